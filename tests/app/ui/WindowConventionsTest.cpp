// The main window as a Linux user meets it, driven by keys and the file
// dialogs: Redo and Ctrl+Q, LF for new documents and for text leaving through
// the clipboard, read-only pages, the size shown in the status bar, where the
// open dialog starts and which filter the save dialog remembers.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "app/ui/Application.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/MainWindow.h"
#include "config/CommandLine.h"
#include "config/IniFile.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

// Runs f on the file dialog once it is open; the dialog's own event loop runs meanwhile.
void onFileDialog(std::function<void(QFileDialog&)> f) {
    QTimer::singleShot(0, [f] {
        for (int i = 0; i < 100; ++i) {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                f(*d);
                return;
            }
            QTest::qWait(20);
        }
        ADD_FAILURE() << "no file dialog came up";
    });
}

// Counts the requests to close a window and keeps it open.
struct CloseCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Close) return false;
        ++count;
        e->ignore();
        return true;
    }
};

class WindowConventionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(options);
        window->addCommandGroup(new FileCommands(*window));
        window->addCommandGroup(new EditCommands(*window));
        window->finishMenus();
        docs().newPage();
        docs().rules().setReuseEmptyPage(true);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        page()->setFocus();
    }
    void TearDown() override {
        for (int i = 0; i < docs().count(); ++i) docs().page(i)->setModified(false);
        window.reset();
    }
    DocumentSet& docs() { return window->documents(); }
    DocumentPage* page() { return docs().current(); }
    QString notice() {
        QString text;
        for (QLabel* l : window->statusBar()->findChildren<QLabel*>())
            if (l->text().size() > text.size()) text = l->text();
        return text;
    }

    test::MessageRecorder recorder{msg::Answer::No};
    test::ScratchDir dir;
    Options options;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowConventionsTest, RedoOnCtrlShiftZAndExitOnCtrlQ) {
    QTest::keyClicks(page(), QStringLiteral("abc"));
    QTest::keyClick(page(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page()->textBytes(), "");
    QTest::keyClick(page(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page()->textBytes(), "abc");

    CloseCounter closes;
    window->installEventFilter(&closes);
    QTest::keyClick(page(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closes.count, 1);
}

TEST_F(WindowConventionsTest, NewDocumentsAreWrittenWithLfAndLoadedFilesKeepTheirBreaks) {
    QTest::keyClicks(page(), QStringLiteral("echo hi"));
    QTest::keyClick(page(), Qt::Key_Return);
    const std::string script = dir.file("hi.sh");
    onFileDialog([script](QFileDialog& d) {
        d.selectFile(QString::fromStdString(script));
        static_cast<QDialog&>(d).accept();  // what the Save button does
    });
    QTest::keyClick(page(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(test::readFile(script), "echo hi\n");

    // A file with CR LF breaks stays CR LF when edited and saved.
    const std::string dos = dir.write("dos.txt", "one\r\ntwo\r\n");
    ASSERT_TRUE(docs().openByName(dos));
    window->activateWindow();  // back from the dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    page()->setFocus();
    QTest::keyClicks(page(), QStringLiteral("x"));
    QTest::keyClick(page(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(test::readFile(dos), "xone\r\ntwo\r\n");
}

TEST_F(WindowConventionsTest, ConfigurationSayingCrLfKeepsCrLfForNewDocuments) {
    IniFile ini(dir.write("conf.ini", "[Options]\r\nFileFormat=0\r\n"));
    ini.load();
    Options fromFile;
    fromFile.read(ini);
    EXPECT_EQ(fromFile.fileFormat, 0);
    IniFile empty(dir.write("empty.ini", ""));
    empty.load();
    Options defaults;
    defaults.read(empty);
    EXPECT_EQ(defaults.fileFormat, 1);
}

TEST_F(WindowConventionsTest, TextLeavesThroughTheClipboardWithLf) {
    page()->loadText("one\r\ntwo\r\n");
    page()->setFocus();
    QTest::keyClick(page(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\ntwo\n"));
    // Cut takes it away as well, with the same breaks.
    QApplication::clipboard()->clear();
    QTest::keyClick(page(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\ntwo\n"));
    EXPECT_EQ(page()->textBytes(), "");
    // Coming back in, the breaks are the editor's own again.
    QTest::keyClick(page(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(page()->textBytes(), "one\r\ntwo\r\n");
}

TEST_F(WindowConventionsTest, ReadOnlyShowsInTabAndCaptionAndTypingSaysWhy) {
    const std::string name = dir.write("notes.txt", "text\n");
    ASSERT_TRUE(docs().openByName(name));
    page()->setReadOnly(true);
    auto* tabs = window->findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    EXPECT_TRUE(tabs->tabText(tabs->currentIndex()).endsWith(QStringLiteral("[read-only]")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Super Jotleaf (") + QString::fromStdString(name) +
                                         QStringLiteral(") [read-only]"));
    page()->setFocus();
    const int beeps = msg::beepCount();
    QTest::keyClicks(page(), QStringLiteral("x"));
    EXPECT_EQ(page()->textBytes(), "text\r\n");
    EXPECT_GT(msg::beepCount(), beeps);
    EXPECT_TRUE(notice().contains(QStringLiteral("read-only")));
    page()->setReadOnly(false);
    EXPECT_FALSE(tabs->tabText(tabs->currentIndex()).contains(QStringLiteral("read-only")));
    EXPECT_FALSE(window->windowTitle().contains(QStringLiteral("read-only")));
}

TEST_F(WindowConventionsTest, StatusBarSizeIsTheFilesOwnBytes) {
    const std::string lf = dir.write("ten.txt", "abcd\nefgh\n");  // 10 bytes, LF
    ASSERT_TRUE(docs().openByName(lf));
    QTest::mouseMove(page()->viewport(), QPoint(20, 20));
    QTest::qWait(50);
    EXPECT_TRUE(notice().contains(QStringLiteral("[10 bytes")));
    const std::string dos = dir.write("dos.txt", "ab\r\ncd\r\n");  // 8 bytes, CR LF
    ASSERT_TRUE(docs().openByName(dos));
    QTest::mouseMove(window->statusBar(), QPoint(5, 5));
    QTest::mouseMove(page()->viewport(), QPoint(30, 30));
    QTest::qWait(50);
    EXPECT_TRUE(notice().contains(QStringLiteral("[8 bytes")));
}

TEST_F(WindowConventionsTest, OpenDialogOfAnUntitledPageStartsInTheStartDirectoryWhenTracking) {
    options.directoryTracking = true;
    options.startDirectory = dir.path();
    options.defaultDirectory = "/";
    QString shownDirectory;
    onFileDialog([&shownDirectory](QFileDialog& d) {
        shownDirectory = d.directory().absolutePath();
        d.reject();
    });
    QTest::keyClick(page(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shownDirectory, QString::fromStdString(dir.path()));
}

TEST_F(WindowConventionsTest, SaveDialogRemembersTheChosenFilterAndAllFilesShowsEveryName) {
    options.fileBoxFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
    options.fileBoxFilterId = 1;
    dir.write("Makefile", "all:\n");
    QTest::keyClicks(page(), QStringLiteral("x"));
    const std::string target = dir.file("out.txt");
    QStringList filters;
    onFileDialog([&](QFileDialog& d) {
        filters = d.nameFilters();
        d.selectNameFilter(filters.value(1));
        d.selectFile(QString::fromStdString(target));
        static_cast<QDialog&>(d).accept();  // what the Save button does
    });
    QTest::keyClick(page(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(options.fileBoxFilterId, 2);
    // "*.*" reaches the dialog as "*", so names without a dot are listed.
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[1], QStringLiteral("All files (*)"));
    EXPECT_EQ(dialogFilters("Mixed (*.txt;*.*)|*.txt;*.*"), QStringList{QStringLiteral("Mixed (*.txt *)")});
}

TEST(Startup, HideSplashInTheConfigurationKeepsTheSplashAway) {
    test::ScratchDir dir;
    IniFile ini(dir.write("conf.ini", "[Options]\r\nHideSplash=1\r\n"));
    ini.load();
    Options options;
    options.read(ini);
    const CommandLine plain = CommandLine::parse({});
    EXPECT_FALSE(splashWanted(options, plain));
    Options shown;
    EXPECT_TRUE(splashWanted(shown, plain));
    EXPECT_FALSE(splashWanted(shown, CommandLine::parse({"/NS"})));
}

}  // namespace
}  // namespace sj
