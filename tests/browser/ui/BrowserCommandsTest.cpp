// The browser commands reached as a user reaches them: keys to the page,
// a Ctrl+double-click on an address, and the dialogs they open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>

#include <functional>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "browser/ui/BrowserCommands.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// A stand-in browser: writes the number of its arguments, then each on a line.
std::string makeRecordingBrowser(const test::ScratchDir& dir) {
    const std::string log = dir.file("args.log");
    const std::string script =
        dir.write("browser.sh", "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > '" +
                                    log + ".part'\nmv '" + log + ".part' '" + log + "'\n");
    ::chmod(script.c_str(), 0755);
    return script;
}

// Acts in the next dialog once it is up and has the focus, as a user would:
// on its focused field.
void inNextDialog(std::function<void(QWidget* dialog, QWidget* field)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isActiveWindow() || !QApplication::focusWidget()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog, QApplication::focusWidget());
    });
    timer->start();
}

struct BrowserWindow {
    test::ScratchDir dir;
    Options options;
    MainWindow window{options};
    BrowserCommands* commands = new BrowserCommands(window);
    test::MessageRecorder messages;
    UrlCatcher catcher;

    BrowserWindow() {
        window.addCommandGroup(commands);
        window.finishMenus();
        window.documents().newPage();
        window.show();
        window.activateWindow();
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    }
    ~BrowserWindow() {
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        for (int i = 0; i < window.documents().count(); ++i) window.documents().page(i)->setModified(false);
    }
    DocumentPage* page() { return window.documents().current(); }
    void type(const std::string& text) {
        page()->replaceRange(0, 0, text);
        page()->setFocus();
    }
    void useRecordingBrowser() {
        options.useRegSettings = false;
        options.browserName = makeRecordingBrowser(dir);
    }
    std::string recordedArguments() {
        const std::string log = dir.file("args.log");
        for (int waited = 0; !test::exists(log) && waited < 5000; waited += 20) QTest::qWait(20);
        return test::readFile(log);
    }
    void ctrlDoubleClickAt(Pos pos) {
        // Far enough from any earlier click not to count as a third click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint at(page()->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos) + 2,
                        page()->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos) + 4);
        QTest::mouseDClick(page()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QTest::qWait(20);
    }
};

TEST(BrowserCommands, AnAddressThatLooksLikeACommandReachesTheBrowserAsOneArgument) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.useRecordingBrowser();
    const std::string marker = w.dir.file("p");
    const std::string link =
        "http://x/$(touch${IFS}" + marker + ")&`touch${IFS}" + marker + "`;touch${IFS}" + marker + "|x";
    w.type("go to " + link + " now");
    w.ctrlDoubleClickAt(10);
    EXPECT_EQ(w.recordedArguments(), "1\n" + link + "\n");
    EXPECT_FALSE(test::exists(marker));
    EXPECT_EQ(w.commands->linkHistory().entries(), (std::vector<std::string>{link}));
}

TEST(BrowserCommands, OpenLinkTakesATypedTextAsOneArgumentAndKeepsItInTheHistory) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.useRecordingBrowser();
    w.type("nothing here");
    QString caption;
    inNextDialog([&](QWidget* dialog, QWidget* field) {
        caption = dialog->windowTitle();
        QTest::keyClicks(field, QStringLiteral("a;b"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::keyClick(w.page(), Qt::Key_F9);
    EXPECT_EQ(caption, QStringLiteral("Open Link in browser..."));
    EXPECT_EQ(w.recordedArguments(), "1\na;b\n");
    EXPECT_EQ(w.commands->linkHistory().entries(), (std::vector<std::string>{"a;b"}));
}

TEST(BrowserCommands, ShortOrUnsureAddressesAreOfferedInTheDialogFirst) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string text = "see readme.txt, mail a@b or joe@example.com";
    w.type(text);
    QString offered;
    inNextDialog([&](QWidget* dialog, QWidget* field) {
        offered = dialog->findChild<QComboBox*>()->currentText();
        QTest::keyClick(field, Qt::Key_Escape);
    });
    w.ctrlDoubleClickAt(6);
    EXPECT_EQ(offered, QStringLiteral("readme.txt"));
    EXPECT_TRUE(w.catcher.urls.isEmpty());

    inNextDialog([&](QWidget* dialog, QWidget* field) {
        offered = dialog->findChild<QComboBox*>()->currentText();
        QTest::keyClick(field, Qt::Key_Return);
    });
    w.ctrlDoubleClickAt(static_cast<Pos>(text.find("a@b")));
    EXPECT_EQ(offered, QStringLiteral("mailto:a@b"));
    ASSERT_EQ(w.catcher.urls.size(), 1);
    EXPECT_EQ(w.catcher.urls[0].toString(), QStringLiteral("mailto:a@b"));

    w.ctrlDoubleClickAt(static_cast<Pos>(text.find("example")));
    ASSERT_EQ(w.catcher.urls.size(), 2);
    EXPECT_EQ(w.catcher.urls[1].toString(), QStringLiteral("mailto:joe@example.com"));
}

TEST(BrowserCommands, AProgramThatCannotStartIsForgottenForTheDesktopBrowser) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.options.useRegSettings = false;
    w.options.browserName = w.dir.file("no-such-browser");
    w.type("http://example.org/");
    w.ctrlDoubleClickAt(3);
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(test::MessageRecorder::messages()[0],
              QStringLiteral("Could not execute \"") + QString::fromStdString(w.dir.file("no-such-browser")) +
                  QStringLiteral("\"!"));
    EXPECT_TRUE(w.options.useRegSettings);
    w.ctrlDoubleClickAt(3);
    ASSERT_EQ(w.catcher.urls.size(), 1);
    EXPECT_EQ(w.catcher.urls[0].toString(), QStringLiteral("http://example.org/"));
}

TEST(BrowserCommands, ViewInBrowserShowsTheUnsavedTextNotTheFileOnDisk) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string file = w.dir.write("page.htm", "<p>old</p>\r\n");
    ASSERT_TRUE(w.window.documents().openByName(file));
    w.page()->setFocus();
    QTest::keyClick(w.page(), Qt::Key_F8);
    ASSERT_EQ(w.catcher.urls.size(), 1);
    EXPECT_EQ(w.catcher.urls[0].toLocalFile().toStdString(), file);

    QTest::keyClicks(w.page(), QStringLiteral("new"));
    QTest::keyClick(w.page(), Qt::Key_F8);
    ASSERT_EQ(w.catcher.urls.size(), 2);
    const std::string copy = w.catcher.urls[1].toLocalFile().toStdString();
    EXPECT_NE(copy, file);
    EXPECT_EQ(test::readFile(copy).substr(0, 3), "new");
    EXPECT_EQ(test::readFile(file), "<p>old</p>\r\n");
}

TEST(BrowserCommands, ViewAndOpenFileNeedALineAndViewOfAnUntitledPageSaysNotFound) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    QMenu* tools = w.window.menu(QStringLiteral("Tools"));
    tools->popup(w.window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
    QAction* view = nullptr;
    QAction* fileAtCaret = nullptr;
    for (QAction* a : tools->actions()) {
        if (a->text() == QStringLiteral("&View In Browser")) view = a;
        if (a->text() == QStringLiteral("&Open File at Caret")) fileAtCaret = a;
    }
    ASSERT_TRUE(view && fileAtCaret);
    EXPECT_FALSE(view->isEnabled());
    EXPECT_FALSE(fileAtCaret->isEnabled());
    tools->close();

    w.type("text");
    w.page()->setModified(false);
    QTest::keyClick(w.page(), Qt::Key_F8);
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_TRUE(test::MessageRecorder::messages()[0].startsWith(QStringLiteral("File \"")));
    EXPECT_TRUE(test::MessageRecorder::messages()[0].endsWith(QStringLiteral("Untitled.1\" not found!")));
}

TEST(BrowserCommands, OpenFileAtCaretOpensTheNamedFileBesideTheDocument) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.dir.write("notes.txt", "the notes\r\n");
    const std::string letter = w.dir.write("letter.txt", "see notes for more\r\n");
    ASSERT_TRUE(w.window.documents().openByName(letter));
    w.page()->setCaret(6);
    w.page()->setFocus();
    const int before = w.window.documents().count();
    QTest::keyClick(w.page(), Qt::Key_F7);  // "notes" + the default extension
    ASSERT_EQ(w.window.documents().count(), before + 1);
    EXPECT_EQ(w.page()->fileName(), w.dir.file("notes.txt"));
}

TEST(BrowserCommands, OpenFileAtCaretAsksForAMissingFile) {
    BrowserWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const std::string letter = w.dir.write("letter.txt", "see (missing.txt)\r\n");
    ASSERT_TRUE(w.window.documents().openByName(letter));
    w.page()->setCaret(8);
    w.page()->setFocus();
    QString caption;
    QString offered;
    inNextDialog([&](QWidget* dialog, QWidget* focused) {
        auto* field = qobject_cast<QLineEdit*>(focused);
        ASSERT_NE(field, nullptr);
        caption = dialog->windowTitle();
        offered = field->text();
        field->clear();
        QTest::keyClicks(field, QStringLiteral("other*?.txt"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::keyClick(w.page(), Qt::Key_F7);
    EXPECT_EQ(caption, QStringLiteral("Open Document"));
    EXPECT_EQ(offered.toStdString(), w.dir.file("missing.txt"));
    // The create question was answered No by the stand-in user.
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_EQ(test::MessageRecorder::messages()[0].toStdString(),
              "File \"" + w.dir.file("other.txt") + "\" does not exist! Create it?");
}

}  // namespace
}  // namespace sj

#include "BrowserCommandsTest.moc"
