// Saving through the main window as a user does it (Ctrl+S in the active
// window): a file changed on the disk meanwhile is not overwritten without a
// question, and an incomplete page never replaces its whole file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <string>

#include "app/ui/DocumentSet.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/ScratchDir.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

QStringList g_messages;
msg::Answer g_answer = msg::Answer::Cancel;

msg::Answer answer(const QString& text, bool) {
    g_messages << text;
    return g_answer;
}

class SaveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_messages.clear();
        g_answer = msg::Answer::Cancel;
        msg::setTestResponder(answer);
        msg::setSoundsOn(false);
        window = std::make_unique<MainWindow>(options);
        window->addCommandGroup(new FileCommands(*window));
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
    }
    void TearDown() override {
        for (int i = 0; i < docs().count(); ++i) docs().page(i)->setModified(false);
        window.reset();
        msg::setTestResponder(nullptr);
    }
    DocumentSet& docs() { return window->documents(); }

    // Opens the file, shows the window and puts the focus in the page.
    DocumentPage* openActive(const std::string& path) {
        EXPECT_TRUE(docs().openByName(path));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        DocumentPage* page = docs().current();
        page->setFocus();
        QApplication::processEvents();
        g_messages.clear();
        return page;
    }
    void typeAndSave(DocumentPage* page, const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        ASSERT_TRUE(page->isModified());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    }

    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
};

// Writes over the file in place, as many programs save.
void rewrite(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST_F(SaveSafetyTest, FileChangedOnDiskAsksBeforeCtrlSOverwritesIt) {
    const std::string path = dir.write("shared.txt", "mine\r\n");
    DocumentPage* page = openActive(path);
    rewrite(path, "theirs, longer\r\n");  // another program saves meanwhile

    g_answer = msg::Answer::Cancel;
    typeAndSave(page, QStringLiteral("x"));
    ASSERT_EQ(g_messages.size(), 1);
    EXPECT_TRUE(g_messages[0].contains(QStringLiteral("has been changed on the disk by another program")));
    EXPECT_EQ(test::readFile(path), "theirs, longer\r\n");
    EXPECT_TRUE(page->isModified());

    g_answer = msg::Answer::Yes;  // Overwrite
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(test::readFile(path), "xmine\r\n");
    EXPECT_FALSE(page->isModified());
    // Saved here: no question the next time.
    g_messages.clear();
    typeAndSave(page, QStringLiteral("y"));
    EXPECT_TRUE(g_messages.isEmpty());
    EXPECT_EQ(test::readFile(path), "xymine\r\n");
}

TEST_F(SaveSafetyTest, ReloadAnswerTakesTheFileFromTheDisk) {
    const std::string path = dir.write("shared.txt", "mine\r\n");
    DocumentPage* page = openActive(path);
    rewrite(path, "theirs\r\n");
    g_answer = msg::Answer::No;  // Reload
    typeAndSave(page, QStringLiteral("x"));
    EXPECT_EQ(page->textBytes(), "theirs\r\n");
    EXPECT_FALSE(page->isModified());
    EXPECT_EQ(test::readFile(path), "theirs\r\n");
}

TEST_F(SaveSafetyTest, TimeStampSetBackCountsAsAChange) {
    const std::string path = dir.write("shared.txt", "abcd\r\n");
    DocumentPage* page = openActive(path);
    // Same size, same inode, an older time: what cp -p or rsync -t leave.
    rewrite(path, "wxyz\r\n");
    struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    g_answer = msg::Answer::Cancel;
    typeAndSave(page, QStringLiteral("x"));
    EXPECT_EQ(g_messages.size(), 1);
    EXPECT_EQ(test::readFile(path), "wxyz\r\n");
}

TEST_F(SaveSafetyTest, IncompletePageWithReadOnlyLiftedGoesToSaveAsAndRefusesItsOwnName) {
    const std::string path = dir.write("big.txt", "all of it\r\n");
    DocumentPage* page = openActive(path);
    page->setTruncated(true);  // as a cancelled load leaves it
    page->setReadOnly(false);  // Document > Read-Only turned off
    // Ctrl+S brings the Save As dialog; the user accepts the suggested name,
    // which is the file itself, and confirms replacing it.
    int dialogs = 0;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QMessageBox::YesRole)
                    QMetaObject::invokeMethod(
                        b, [b] { QTest::mouseClick(b, Qt::LeftButton); }, Qt::QueuedConnection);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // Enter in the dialog's name field, which holds the suggestion.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                ++dialogs;
                // Posted: the box the dialog may open must not run inside this
                // timer's own call, or the timer could not answer it.
                QMetaObject::invokeMethod(
                    name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
            }
        }
    });
    driver.start();
    typeAndSave(page, QStringLiteral("typed"));
    driver.stop();
    EXPECT_GE(dialogs, 1);
    EXPECT_EQ(test::readFile(path), "all of it\r\n");
    ASSERT_FALSE(g_messages.isEmpty());
    EXPECT_TRUE(g_messages.last().contains(QStringLiteral("was not loaded completely")));
    EXPECT_TRUE(page->isModified());
}

}  // namespace
}  // namespace sj
