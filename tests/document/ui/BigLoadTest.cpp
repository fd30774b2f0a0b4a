// Files big enough to be read in several chunks, shown with progress and
// built apart from the page until they are read: the page must end up with
// the text, settings and protection a user expects, and the file untouched.
#include <gtest/gtest.h>
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "document/LineBreakNormalizer.h"
#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "text/Utf8.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

using test::readFile;

std::vector<QString> g_notes;

msg::Answer note(const QString& text, bool) {
    g_notes.push_back(text);
    return msg::Answer::No;
}

// About 3 MB of numbered LF lines: three chunks of the loader.
std::string manyLines() {
    std::string s;
    for (int i = 0; s.size() < 3'000'000; ++i) s += "line " + std::to_string(i) + " of a big file\n";
    return s;
}

// Counts the keys a widget is handed.
class KeyCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++count;
        return false;
    }
};

class BigLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_notes.clear();
        msg::setTestResponder(note);
        msg::setSoundsOn(false);
    }
    void TearDown() override { msg::setTestResponder(nullptr); }

    test::ScratchDir dir;
    PageEnvironment env;
};

TEST_F(BigLoadTest, CancelInTheProgressWindowKeepsTheTextReadAndTheFileWhole) {
    const std::string bytes = manyLines();
    const std::string name = dir.write("big.txt", bytes);
    ProgressWindow progress;
    env.progress = &progress;
    DocumentPage page(env);
    page.loadText("former text");
    // The user clicks Cancel once the gauge has moved: after the first chunk.
    QTimer clicker;
    bool clicked = false;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* gauge = progress.findChild<QProgressBar*>();
        if (clicked || !progress.isVisible() || !gauge || gauge->value() == 0) return;
        clicked = true;
        QTest::mouseClick(progress.findChild<QPushButton*>(), Qt::LeftButton);
    });
    clicker.start(0);
    ASSERT_TRUE(page.load(name));
    clicker.stop();
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(page.loadCancelled());
    EXPECT_TRUE(page.truncated());
    EXPECT_EQ(page.textBytes(), LineBreakNormalizer::normalize(std::string_view(bytes).substr(0, 1 << 20)));
    EXPECT_FALSE(page.isModified());
    // Never saved over the whole file; the file is as it was.
    page.setReadOnly(false);
    EXPECT_FALSE(page.save(name, true));
    EXPECT_EQ(readFile(name), bytes);
}

TEST_F(BigLoadTest, KeysToThePageWaitWhileTheFileIsRead) {
    const std::string bytes = manyLines();
    const std::string name = dir.write("big.txt", bytes);
    ProgressWindow progress;
    env.progress = &progress;
    DocumentPage page(env);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    // Halfway through the load the user types into the page, through the
    // window as real input comes.
    KeyCounter keys;
    page.installEventFilter(&keys);
    QTimer intruder;
    bool tried = false;
    QObject::connect(&intruder, &QTimer::timeout, [&] {
        auto* gauge = progress.findChild<QProgressBar*>();
        if (tried || !progress.isVisible() || !gauge || gauge->value() == 0) return;
        tried = true;
        QTest::keyClick(page.windowHandle(), Qt::Key_X);
        QTest::keyClick(page.windowHandle(), Qt::Key_Delete);
    });
    intruder.start(0);
    ASSERT_TRUE(page.load(name));
    intruder.stop();
    ASSERT_TRUE(tried);
    // Held off while the page was being filled: a key handled then could
    // close the page or edit text that is about to be replaced.
    EXPECT_EQ(keys.count, 0);
    EXPECT_FALSE(page.isModified());
    EXPECT_EQ(page.textBytes(), LineBreakNormalizer::normalize(bytes));
}

TEST_F(BigLoadTest, TextBuiltApartKeepsThePagesSettingsAndTypesAsUtf8) {
    std::string bytes = "caf\xC3\xA9\t" + manyLines();
    const std::string name = dir.write("big.txt", bytes);
    DocumentPage page(env);
    page.setTabWidth(4);
    page.resize(500, 300);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    ASSERT_TRUE(page.load(name));
    EXPECT_EQ(page.textLength(), static_cast<Pos>(LineBreakNormalizer::normalize(bytes).size()));
    EXPECT_EQ(page.tabWidth(), 4);
    // "é" is one character to the caret.
    page.setCaret(3);
    QTest::keyClick(&page, Qt::Key_Right);
    EXPECT_EQ(page.selStart(), 5);
    page.setCaret(0);
    // The count kept from the load is the count of the text: "é" is two
    // bytes, and every LF gained a CR.
    const auto breaks = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    EXPECT_EQ(page.characterCount(), bytes.size() - 1 + breaks);
    // Typed after the load: a character of two bytes, a line break in the
    // page's CR LF, and Undo takes back the typing only.
    page.setFocus();
    QTest::sendKeyEvent(QTest::Click, &page, Qt::Key_Udiaeresis, QString::fromUtf8("\xC3\xBC"),
                        Qt::NoModifier);
    QTest::keyClick(&page, Qt::Key_Return);
    EXPECT_EQ(std::string(page.bytesAt(0, 4)), "\xC3\xBC\r\n");
    EXPECT_TRUE(page.isModified());
    // The count follows the edits, a deletion of a two-byte character too.
    EXPECT_EQ(page.characterCount(), utf8::countChars(page.textView()));
    page.setSel(7, 2);
    QTest::keyClick(&page, Qt::Key_Delete);
    EXPECT_EQ(page.characterCount(), utf8::countChars(page.textView()));
    page.undo();
    page.undo();
    page.undo();
    EXPECT_EQ(std::string(page.bytesAt(0, 6)), "caf\xC3\xA9\t");
    EXPECT_EQ(page.characterCount(), bytes.size() - 1 + breaks);
    EXPECT_FALSE(page.isModified());
    EXPECT_FALSE(page.canUndoEdit());
}

TEST_F(BigLoadTest, StrayByteAfterTheFirstChunkIsFoundAndSavedBack) {
    std::string bytes = manyLines();
    bytes.insert(bytes.size() - 100, "\xC3\xA9 and a stray \xE9");
    const std::string name = dir.write("stray.txt", bytes);
    DocumentPage page(env);
    ASSERT_TRUE(page.load(name));
    EXPECT_FALSE(page.truncated());
    ASSERT_EQ(g_notes.size(), 1u);
    EXPECT_NE(g_notes[0].toStdString().find("has 1 byte that is not UTF-8"), std::string::npos);
    const std::string copy = dir.file("copy.txt");
    ASSERT_TRUE(page.save(copy, true));
    EXPECT_EQ(readFile(copy), bytes);
}

}  // namespace
}  // namespace sj
