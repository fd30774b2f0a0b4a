// The toolbar as a user meets it: buttons that do what their commands do and
// are enabled exactly when their commands are, its shortcut menu, wrapping,
// and the Toolbar Properties dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "support/MessageRecorder.h"
#include "workspace/ui/DocumentRuler.h"
#include "workspace/ui/ToolbarPanel.h"
#include "workspace/ui/ToolbarPropertiesDialog.h"
#include "workspace/ui/WorkspaceWindow.h"

namespace sj {
namespace {

using test::WorkspaceWindow;

// Every button's state against what its command says when the menus work it out.
void expectButtonsFollowCommands(WorkspaceWindow& w, const char* when) {
    w.settle();
    ToolbarPanel* bar = w.workspace->toolbar();
    std::map<std::string, bool> shown;
    for (const ToolbarEntry& e : bar->settings().entries)
        if (QToolButton* b = bar->button(e.command)) shown[e.command] = b->isEnabled();
    w.window->updateEnabled();  // what opening a menu does
    for (const auto& [command, enabled] : shown) {
        EXPECT_EQ(enabled, bar->command(command)->isEnabled()) << command << " " << when;
        EXPECT_EQ(bar->button(command)->isEnabled(), bar->command(command)->isEnabled()) << command;
    }
}

QToolButton* shownButton(WorkspaceWindow& w, const char* command) {
    QToolButton* b = w.workspace->toolbar()->button(command);
    return b && b->isVisible() ? b : nullptr;
}

TEST(Toolbar, ShowsTheStartingEntriesInOrderWithTheirTexts) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    int lastX = -1;
    for (const char* c :
         {"new",         "open",     "save",     "favorites",     "print",     "cut",
          "copy",        "paste",    "undo",     "find",          "replace",   "wordWrap",
          "font",        "selector", "clipbook", "viewInBrowser", "stripHtml", "documentProperties",
          "preferences", "exit"}) {
        QToolButton* b = shownButton(w, c);
        ASSERT_TRUE(b) << c;
        EXPECT_GT(b->x(), lastX) << c;
        lastX = b->x();
        EXPECT_FALSE(b->icon().isNull()) << c;
    }
    for (const char* c : {"saveAll", "close", "copyAll", "indent", "statistics", "send"})
        EXPECT_EQ(bar->button(c), nullptr) << c;
    QToolButton* save = bar->button("save");
    EXPECT_EQ(save->toolTip(), QStringLiteral("Save Document"));
    EXPECT_EQ(save->statusTip(), QStringLiteral("Save document to disk"));
    EXPECT_EQ(save->text(), QStringLiteral("Save"));
    EXPECT_EQ(save->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_TRUE(save->autoRaise());
    EXPECT_EQ(bar->height(), ToolbarPanel::kBaseRowHeight);
}

TEST(Toolbar, EveryButtonIsEnabledExactlyWhenItsCommandIs) {
    test::MessageRecorder messages;
    WorkspaceWindow w([](Options& o) {
        ToolbarSettings all;
        for (ToolbarEntry& e : all.entries) e.available = true;
        o.toolbar = all.write();
    });
    expectButtonsFollowCommands(w, "empty");
    QTest::keyClicks(w.page(), QStringLiteral("alpha beta"));
    expectButtonsFollowCommands(w, "typed");
    EXPECT_TRUE(w.workspace->toolbar()->button("undo")->isEnabled());
    EXPECT_TRUE(w.workspace->toolbar()->button("save")->isEnabled());
    EXPECT_FALSE(w.workspace->toolbar()->button("cut")->isEnabled());
    QTest::keyClick(w.page(), Qt::Key_Home, Qt::ShiftModifier);
    expectButtonsFollowCommands(w, "selected");
    EXPECT_TRUE(w.workspace->toolbar()->button("cut")->isEnabled());
    QAction* readOnly = nullptr;
    for (QAction* a : w.window->menu(QStringLiteral("Document"))->actions())
        if (a->text() == QStringLiteral("Read-&Only")) readOnly = a;
    ASSERT_TRUE(readOnly);
    readOnly->trigger();
    ASSERT_TRUE(w.page()->isReadOnly());
    expectButtonsFollowCommands(w, "read-only");
    EXPECT_FALSE(w.workspace->toolbar()->button("cut")->isEnabled());
    EXPECT_TRUE(w.workspace->toolbar()->button("copy")->isEnabled());
}

TEST(Toolbar, ClickingAButtonRunsItsCommand) {
    WorkspaceWindow w;
    QTest::keyClicks(w.page(), QStringLiteral("some text"));
    QTest::keyClick(w.page(), Qt::Key_Home, Qt::ShiftModifier);
    w.settle();
    QTest::mouseClick(shownButton(w, "cut"), Qt::LeftButton);
    EXPECT_EQ(w.page()->textBytes(), "");
    EXPECT_TRUE(w.page()->hasFocus());  // the toolbar never takes the keyboard
    w.settle();
    QTest::mouseClick(shownButton(w, "paste"), Qt::LeftButton);
    EXPECT_EQ(w.page()->textBytes(), "some text");
    const int before = w.window->documents().count();
    QTest::mouseClick(shownButton(w, "new"), Qt::LeftButton);
    EXPECT_EQ(w.window->documents().count(), before + 1);
}

TEST(Toolbar, WordWrapButtonIsDownExactlyWhileTheDocumentWraps) {
    WorkspaceWindow w;
    QToolButton* wrap = shownButton(w, "wordWrap");
    ASSERT_TRUE(wrap);
    EXPECT_TRUE(wrap->isCheckable());
    EXPECT_FALSE(wrap->isChecked());
    QTest::mouseClick(wrap, Qt::LeftButton);
    EXPECT_TRUE(w.page()->wordWrap());
    EXPECT_TRUE(wrap->isChecked());
    QTest::keyClick(w.page(), Qt::Key_W, Qt::ControlModifier);  // the menu's shortcut
    EXPECT_FALSE(w.page()->wordWrap());
    w.settle();
    EXPECT_FALSE(wrap->isChecked());
}

TEST(Toolbar, ShortcutMenuHidesTheToolbarAndTheViewMenuBringsItBack) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    QMenu* menu = w.workspace->toolbarMenu();
    QTimer::singleShot(100, menu, [menu] {
        QTest::keyClick(menu, Qt::Key_H);  // "&Hide Toolbar"
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(bar->width() - 5, 10),
                        bar->mapToGlobal(QPoint(bar->width() - 5, 10)));
    QApplication::sendEvent(bar, &e);
    QTest::qWait(300);
    EXPECT_FALSE(w.workspace->toolbarHolder()->isVisible());
    EXPECT_TRUE(w.options.hideButtonBar);
    w.window->updateEnabled();
    QAction* toggle = nullptr;
    for (QAction* a : w.window->menu(QStringLiteral("View"))->actions())
        if (a->text() == QStringLiteral("Tool&bar")) toggle = a;
    ASSERT_TRUE(toggle);
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(w.workspace->toolbarHolder()->isVisible());
    EXPECT_FALSE(w.options.hideButtonBar);
}

TEST(Toolbar, NarrowWindowHidesButtonsOrWrapsThemOntoMoreRows) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    w.window->resize(300, 400);
    QApplication::processEvents();
    EXPECT_EQ(bar->rows(), 1);
    EXPECT_FALSE(bar->button("exit")->isVisible());
    int rowsTold = 0;
    QObject::connect(bar, &ToolbarPanel::wrapChanged, [&](int rows) { rowsTold = rows; });
    ToolbarSettings s = bar->settings();
    s.wrapButtons = true;
    bar->setSettings(s);
    QApplication::processEvents();
    EXPECT_GT(bar->rows(), 1);
    EXPECT_EQ(rowsTold, bar->rows());
    EXPECT_EQ(bar->height(), bar->rows() * ToolbarPanel::kBaseRowHeight);
    EXPECT_TRUE(bar->button("exit")->isVisible());
}

TEST(Toolbar, CaptionsRegularButtonsAndToolTipsFollowTheSettings) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    ToolbarSettings s = bar->settings();
    s.showCaptions = true;
    s.flatButtons = false;
    s.showToolTips = false;
    bar->setSettings(s);
    QToolButton* open = bar->button("open");
    EXPECT_EQ(open->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_FALSE(open->autoRaise());
    EXPECT_TRUE(open->toolTip().isEmpty());
    EXPECT_GT(bar->height(), ToolbarPanel::kBaseRowHeight);
    EXPECT_GE(open->width(), open->fontMetrics().horizontalAdvance(QStringLiteral("Favorites")));
}

TEST(Toolbar, CloseButtonAtTheRightEndStandsInForAMissingCloseEntry) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    QToolButton* closePage = bar->closePageButton();
    ASSERT_TRUE(closePage->isVisible());
    EXPECT_EQ(closePage->geometry().right(), bar->width() - 7 - 1);
    w.window->documents().newPage();
    const int pages = w.window->documents().count();
    w.settle();
    QTest::mouseClick(closePage, Qt::LeftButton);
    EXPECT_EQ(w.window->documents().count(), pages - 1);
    ToolbarSettings s = bar->settings();
    for (ToolbarEntry& e : s.entries)
        if (e.command == "close") e.available = true;
    bar->setSettings(s);
    EXPECT_FALSE(closePage->isVisible());
    EXPECT_TRUE(bar->button("close")->isVisible());
}

TEST(ToolbarProperties, ChecksAndMovesChangeTheToolbarOnOkOnly) {
    WorkspaceWindow w;
    ToolbarPanel* bar = w.workspace->toolbar();
    const ToolbarSettings before = bar->settings();
    auto onBar = [bar](const ToolbarEntry& e) { return bar->hasCommand(e); };
    {
        ToolbarPropertiesDialog dialog(before, bar->captionFont(), onBar);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* list = dialog.findChild<QListWidget*>();
        ASSERT_TRUE(list);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("New Document"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space);  // unchecks "New Document"
        QPushButton* down = nullptr;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Move &Down")) down = b;
        ASSERT_TRUE(down);
        QTest::mouseClick(down, Qt::LeftButton);
        QCheckBox* wrap = nullptr;
        for (QCheckBox* b : dialog.findChildren<QCheckBox*>())
            if (b->text() == QStringLiteral("&Wrap Buttons")) wrap = b;
        QTest::mouseClick(wrap, Qt::LeftButton);
        const ToolbarSettings r = dialog.result();
        EXPECT_TRUE(r.wrapButtons);
        EXPECT_EQ(r.entries[0].command, "open");
        EXPECT_EQ(r.entries[1].command, "new");
        EXPECT_FALSE(r.entries[1].available);
        for (std::size_t i = 0; i < r.entries.size(); ++i) EXPECT_EQ(r.entries[i].position, int(i) + 1);
        // Entries this program has no command for keep their slots.
        const auto favorites = std::find_if(r.entries.begin(), r.entries.end(),
                                            [](const ToolbarEntry& e) { return e.command == "favorites"; });
        EXPECT_EQ(favorites - r.entries.begin(), 8);
    }
    ToolbarSettings unchanged = before;
    QTimer::singleShot(100, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(ToolbarPropertiesDialog::edit(unchanged, bar->captionFont(), onBar, w.window.get()));
    EXPECT_TRUE(unchanged == before);
}

}  // namespace
}  // namespace sj
