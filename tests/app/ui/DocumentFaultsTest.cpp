// The document set facing a changing file system and odd input: files deleted
// or renamed under it, rename refusals, a dropped directory, hundreds of files
// at once, and a very large text arriving at the paste board.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QUrl>

#include <filesystem>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

QString g_renameAnswer;

bool answerRename(const InputQueryDialog::Request&, QString& text) {
    text = g_renameAnswer;
    return true;
}

class DocumentFaultsTest : public ::testing::Test {
protected:
    test::MessageRecorder recorder;  // first in, last out: outlives the window
    void SetUp() override {
        InputQueryDialog::setTestResponder(answerRename);
        window = std::make_unique<MainWindow>(options);
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
    }
    void TearDown() override {
        for (int i = 0; i < docs().count(); ++i) docs().page(i)->setModified(false);
        window.reset();
        InputQueryDialog::setTestResponder(nullptr);
    }
    DocumentSet& docs() { return window->documents(); }

    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DocumentFaultsTest, FileDeletedWhileOpenIsWrittenAgainOnSaveButNotReloaded) {
    const std::string path = dir.write("gone.txt", "old\r\n");
    ASSERT_TRUE(docs().openByName(path));
    DocumentPage* page = docs().current();
    page->replaceRange(0, 0, "new ");
    std::filesystem::remove(path);
    EXPECT_FALSE(docs().reload(page, false));
    EXPECT_EQ(page->textBytes(), "new old\r\n");  // the edits stay
    ASSERT_TRUE(docs().save(page));
    EXPECT_EQ(test::readFile(path), "new old\r\n");
    EXPECT_FALSE(page->isModified());
}

TEST_F(DocumentFaultsTest, FileMadeReadOnlyWhileOpenIsNotOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    const std::string path = dir.write("locked.txt", "keep\r\n");
    ASSERT_TRUE(docs().openByName(path));
    DocumentPage* page = docs().current();
    page->replaceRange(0, 0, "x");
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(page->save({}, true));
    EXPECT_EQ(test::readFile(path), "keep\r\n");
    EXPECT_TRUE(page->isModified());
}

TEST_F(DocumentFaultsTest, RenameRefusesAnExistingNameAndAPathAndRenamesOnDisk) {
    const std::string a = dir.write("a.txt", "a\r\n");
    const std::string b = dir.write("b.txt", "b\r\n");
    ASSERT_TRUE(docs().openByName(a));

    g_renameAnswer = "b.txt";
    docs().renameCurrent();
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_TRUE(
        test::MessageRecorder::messages().last().startsWith("Cannot rename, \"" + QString::fromStdString(b)));
    EXPECT_EQ(test::readFile(b), "b\r\n");
    EXPECT_EQ(docs().current()->fileName(), a);

    g_renameAnswer = "../escape.txt";
    docs().renameCurrent();
    EXPECT_EQ(test::MessageRecorder::messages().size(), 2);
    EXPECT_TRUE(std::filesystem::exists(a));

    g_renameAnswer = "c";  // no extension: the page file's is added
    docs().renameCurrent();
    EXPECT_FALSE(std::filesystem::exists(a));
    EXPECT_EQ(test::readFile(dir.file("c.txt")), "a\r\n");
    EXPECT_EQ(docs().current()->fileName(), dir.file("c.txt"));
}

TEST_F(DocumentFaultsTest, RenameInLetterCaseOnlyNeverOverwritesTheOtherFile) {
    // On this file system a.txt and A.txt are two files.
    const std::string lower = dir.write("a.txt", "lower\r\n");
    const std::string upper = dir.write("A.txt", "upper\r\n");
    ASSERT_TRUE(docs().openByName(lower));
    g_renameAnswer = "A.txt";
    docs().renameCurrent();
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(test::MessageRecorder::messages().last(),
              "Cannot rename, \"" + QString::fromStdString(upper) + "\" already exists!");
    EXPECT_EQ(test::readFile(upper), "upper\r\n");
    EXPECT_EQ(test::readFile(lower), "lower\r\n");
    EXPECT_EQ(docs().current()->fileName(), lower);

    // The same when the other file is open in another tab.
    ASSERT_TRUE(docs().openByName(upper));
    docs().select(0);
    docs().renameCurrent();
    ASSERT_EQ(test::MessageRecorder::messages().size(), 2);
    EXPECT_EQ(test::MessageRecorder::messages().last(),
              "Cannot rename, \"" + QString::fromStdString(upper) + "\" is open in editor!");
    EXPECT_EQ(test::readFile(upper), "upper\r\n");
    EXPECT_EQ(docs().page(0)->fileName(), lower);

    // Without another file of that name the letter case changes on disk.
    g_renameAnswer = "B.txt";
    const std::string b = dir.write("b.txt", "b\r\n");
    ASSERT_TRUE(docs().openByName(b));
    docs().renameCurrent();
    EXPECT_EQ(test::MessageRecorder::messages().size(), 2);
    EXPECT_FALSE(std::filesystem::exists(b));
    EXPECT_EQ(test::readFile(dir.file("B.txt")), "b\r\n");
}

TEST_F(DocumentFaultsTest, DroppedDirectoryIsRefusedWithAMessage) {
    std::filesystem::create_directory(dir.file("folder"));
    window->openDroppedFiles({QUrl::fromLocalFile(QString::fromStdString(dir.file("folder")))});
    EXPECT_EQ(docs().count(), 1);
    EXPECT_FALSE(docs().current()->hasFileName());
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_TRUE(test::MessageRecorder::messages().first().contains("is a directory"));
}

TEST_F(DocumentFaultsTest, FiveHundredFilesFromOneWildcardAllOpenInOrder) {
    for (int i = 0; i < 500; ++i)
        dir.write("n" + std::to_string(1000 + i) + ".txt", std::to_string(i) + "\r\n");
    dir.write("skip.dat", "not matched\r\n");
    ASSERT_TRUE(docs().openByName(dir.file("*.txt")));
    ASSERT_EQ(docs().count(), 500);  // the first went into the pristine page
    EXPECT_EQ(docs().page(0)->fileName(), dir.file("n1000.txt"));
    EXPECT_EQ(docs().page(499)->textBytes(), "499\r\n");
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty());
}

TEST_F(DocumentFaultsTest, PasteBoardTakesATenMegabyteClipboardTextWhole) {
    DocumentPage* board = docs().current();
    board->replaceRange(0, 0, "first");
    docs().togglePasteBoard();
    QString big;
    big.reserve(10'000'000);
    for (int i = 0; i < 1'000'000; ++i) big += QStringLiteral("123456789\n");
    QApplication::clipboard()->setText(big);
    QApplication::processEvents();
    const std::string_view text = board->textView();
    ASSERT_EQ(text.size(), 5u + 2u + 11'000'000u);  // line breaks become CR LF
    EXPECT_EQ(text.substr(0, 18), "first\r\n123456789\r\n");
    EXPECT_EQ(text.substr(text.size() - 11), "123456789\r\n");
    docs().togglePasteBoard();
}

}  // namespace
}  // namespace sj
