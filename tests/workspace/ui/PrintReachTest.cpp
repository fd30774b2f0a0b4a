// Printing from where a user finds it besides the File menu: the toolbar's
// Print button prints at once, the tab strip's menu opens the print dialog,
// and the dialog's Help button explains the settings.
#include <gtest/gtest.h>

#include <filesystem>

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "app/ui/DocumentTabs.h"
#include "printing/ui/PrintDialog.h"
#include "support/MessageRecorder.h"
#include "workspace/ui/ToolbarPanel.h"
#include "workspace/ui/WorkspaceWindow.h"

namespace sj {
namespace {

using test::WorkspaceWindow;

// A window whose printing goes to a text file beside the document.
struct PrintingWindow {
    test::MessageRecorder messages;
    WorkspaceWindow w;
    test::ScratchDir dir;
    std::string prn;
    PrintCommands* printing = nullptr;

    explicit PrintingWindow(const std::string& text) {
        const std::string doc = dir.write("notes.txt", text);
        prn = dir.file("notes.prn");
        EXPECT_TRUE(w.window->documents().openByName(doc));
        printing = w.window->findChild<PrintCommands*>();
        printing->settings().printToFile = true;
        w.page()->setFocus();
        w.settle();
    }
    QToolButton* printButton() {
        QToolButton* b = w.workspace->toolbar()->button("print");
        return b && b->isVisible() ? b : nullptr;
    }
};

// Any modal dialog that comes up is recorded and closed.
struct DialogWatch {
    QStringList seen;
    QTimer poll;
    DialogWatch() {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen << modal->windowTitle();
                modal->close();
            }
        });
        poll.start();
    }
};

}  // namespace

TEST(PrintFromToolbar, PrintsAtOnceTheWholeTextOrALongSelection) {
    std::string text;
    for (int i = 1; i <= 6; ++i)
        text += "line " + std::to_string(i) + " of the notes, long enough to count\r\n";
    PrintingWindow p(text);
    QToolButton* print = p.printButton();
    ASSERT_TRUE(print);
    EXPECT_EQ(print->toolTip(), QStringLiteral("Print"));
    EXPECT_TRUE(print->isEnabled());

    // A page range chosen in the dialog earlier is not what the button prints.
    p.printing->settings().printRange = PrintRange::PageNumbers;
    p.printing->settings().fromPage = 3;
    DialogWatch dialogs;
    // Fewer than 101 characters selected: the whole text.
    QTest::keyClick(p.w.page(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_TRUE(dialogs.seen.isEmpty()) << dialogs.seen.join(",").toStdString();
    EXPECT_EQ(test::readFile(p.prn), text);
    EXPECT_EQ(p.printing->settings().printRange, PrintRange::AllPages);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.w.page()->hasFocus(); }, 2000));

    // Three whole lines selected: only they print.
    QTest::keyClick(p.w.page(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(p.w.page(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_GT(p.w.page()->selLength(), 100);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(test::readFile(p.prn), text.substr(0, p.w.page()->selLength()));
    EXPECT_TRUE(p.messages.messages().isEmpty()) << p.messages.messages().join("\n").toStdString();
}

TEST(PrintFromToolbar, ButtonFollowsTheDocumentBeingEmpty) {
    PrintingWindow p("");
    QToolButton* print = p.printButton();
    ASSERT_TRUE(print);
    EXPECT_FALSE(print->isEnabled());
    QTest::keyClicks(p.w.page(), QStringLiteral("x"));
    p.w.settle();
    EXPECT_TRUE(print->isEnabled());
    QTest::keyClick(p.w.page(), Qt::Key_Backspace);
    p.w.settle();
    EXPECT_FALSE(print->isEnabled());
}

TEST(PrintFromTabMenu, OpensTheDialogWhoseHelpExplainsTheSettings) {
    PrintingWindow p("some notes\r\n");
    auto* tabs = p.w.window->findChild<DocumentTabs*>();
    ASSERT_TRUE(tabs);
    auto* bar = tabs->findChild<QTabBar*>();
    ASSERT_TRUE(bar);
    bool sawDialog = false;
    QString help;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* print = nullptr;
            for (QAction* a : menu->actions())
                if (a->text() == QStringLiteral("&Print...")) print = a;
            ASSERT_TRUE(print);
            menu->setActiveAction(print);
            // Outside this timer: the dialog's own loop must see it fire again.
            QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Return); });
            return;
        }
        auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        if (!dialog || QApplication::activeWindow() != dialog) return;
        poll.stop();
        sawDialog = true;
        auto* helpButton = dialog->findChild<QPushButton*>(QStringLiteral("help"));
        ASSERT_TRUE(helpButton);
        EXPECT_TRUE(helpButton->isVisible());
        QTest::mouseClick(helpButton, Qt::LeftButton);
        help = p.messages.messages().value(0);
        EXPECT_EQ(QApplication::activeWindow(), dialog);  // the dialog stays open after Help
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    poll.start();
    const QPoint at = bar->tabRect(tabs->currentIndex()).center();
    QContextMenuEvent press(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &press);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sawDialog; }, 5000));
    EXPECT_TRUE(help.startsWith(QStringLiteral("Printing"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("Print to PDF")));
    EXPECT_FALSE(std::filesystem::exists(p.prn));  // Escape printed nothing
}

}  // namespace sj
