// The find, replace and statistics windows on the program's input fields and
// window bases: Esc back to the entry text, the shared editing menu, and the
// placement kept across closing and reopening.
#include <gtest/gtest.h>

#include "config/WindowKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "config/Options.h"
#include "texttools/FindSettings.h"
#include "texttools/ui/FindDialog.h"
#include "texttools/ui/ReplaceDialog.h"
#include "texttools/ui/SearchTokenCombo.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/PlacementWindow.h"

namespace sj {
namespace {

// The program's option set for the windows made in one test.
struct ProgramOptions {
    Options options;
    ProgramOptions() { PlacementWindow::setProgramOptions(&options); }
    ~ProgramOptions() { PlacementWindow::setProgramOptions(nullptr); }
};

QMenu* openMenuOf(QWidget* field) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &e);
    return field->findChild<QMenu*>();
}

QAction* itemWithCaption(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

TEST(DialogFields, EscInTheFindBoxRestoresTheTextItHadAndOnlyThenClosesTheDialog) {
    ProgramOptions program;
    FindSettings settings;
    settings.setSearchToken("alpha");
    FindDialog dlg(true);
    dlg.loadFrom(settings);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.cmbFind->setFocus();
    QApplication::processEvents();
    dlg.cmbFind->lineEdit()->selectAll();
    QTest::keyClicks(dlg.cmbFind, QStringLiteral("beta"));
    ASSERT_EQ(dlg.cmbFind->currentText(), QStringLiteral("beta"));

    QTest::keyClick(dlg.cmbFind, Qt::Key_Escape);
    EXPECT_EQ(dlg.cmbFind->currentText(), QStringLiteral("alpha"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.btnFindNext->isEnabled());

    // Nothing left to undo: the second Esc is the dialog's own Close.
    QTest::keyClick(dlg.cmbFind, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(DialogFields, FindBoxTakesTheProgramsTextAsEntryAndPastesTokensFromItsMenu) {
    ProgramOptions program;
    ReplaceDialog dlg(false);
    dlg.show();
    dlg.setSearchToken(QStringLiteral("one"));
    EXPECT_EQ(dlg.cmbFind->entryText(), QStringLiteral("one"));
    EXPECT_FALSE(dlg.cmbFind->changedSinceEntry());

    QApplication::clipboard()->setText(QStringLiteral("a\tb\r\nc"));
    dlg.cmbReplace->setText(QString());
    QMenu* menu = openMenuOf(dlg.cmbReplace);
    ASSERT_NE(menu, nullptr);
    QAction* paste = itemWithCaption(menu, QStringLiteral("&Paste"));
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    EXPECT_NE(itemWithCaption(menu, QStringLiteral("&Overwrite Mode")), nullptr);
    paste->trigger();
    EXPECT_EQ(dlg.cmbReplace->currentText(), QStringLiteral("a^Tb^Pc"));
    // The paste counts as the user's edit: Undo goes back to the empty box.
    EXPECT_TRUE(dlg.cmbReplace->changedSinceEntry());
    dlg.cmbReplace->restoreEntry();
    EXPECT_EQ(dlg.cmbReplace->currentText(), QString());
    menu->close();
}

TEST(DialogFields, InsertSwitchesOverwriteForEveryFieldOfTheDialog) {
    ProgramOptions program;
    ReplaceDialog dlg(false);
    dlg.show();
    dlg.cmbFind->setText(QStringLiteral("abc"));
    dlg.cmbFind->setFocus();
    dlg.cmbFind->lineEdit()->setCursorPosition(0);
    QTest::keyClick(dlg.cmbFind, Qt::Key_Insert);
    EXPECT_TRUE(dlg.cmbFind->overwriteMode());
    EXPECT_TRUE(dlg.cmbReplace->overwriteMode());
    QTest::keyClicks(dlg.cmbFind, QStringLiteral("x"));
    EXPECT_EQ(dlg.cmbFind->currentText(), QStringLiteral("xbc"));
}

TEST(DialogFields, FindAndReplaceKeepTheirOwnPlacementAcrossCloseAndReopen) {
    ProgramOptions program;
    {
        FindDialog find(true);
        find.show();
        find.resize(find.width() + 40, find.height() + 10);
        find.move(70, 90);
        QApplication::processEvents();
        find.reject();  // closing hides: the placement goes to the option set
    }
    ASSERT_EQ(program.options.placements.count(std::string(windowkeys::kFindDialog)), 1u);
    EXPECT_EQ(program.options.placements.count(std::string(windowkeys::kReplaceDialog)), 0u);
    const WindowPlacement stored = program.options.placements[std::string(windowkeys::kFindDialog)];
    ASSERT_TRUE(stored.left && stored.top && stored.width && stored.height);
    EXPECT_EQ(*stored.left, 70);
    EXPECT_EQ(*stored.top, 90);
    EXPECT_FALSE(stored.windowState.has_value());

    FindDialog again(true);
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.pos(), QPoint(70, 90));
    EXPECT_EQ(again.width(), *stored.width);
    EXPECT_TRUE(again.stayOnTop());

    // The replace window has a placement of its own, centred while it has none.
    ReplaceDialog repl(true);
    repl.show();
    QApplication::processEvents();
    repl.move(150, 40);
    repl.hide();
    ASSERT_EQ(program.options.placements.count(std::string(windowkeys::kReplaceDialog)), 1u);
    EXPECT_EQ(*program.options.placements[std::string(windowkeys::kReplaceDialog)].left, 150);
    EXPECT_EQ(*program.options.placements[std::string(windowkeys::kFindDialog)].left, 70);
}

TEST(DialogFields, WithoutAnOptionSetTheDialogsNeitherRestoreNorSave) {
    PlacementWindow::setProgramOptions(nullptr);
    FindDialog dlg(false);
    dlg.show();
    dlg.move(33, 44);
    dlg.hide();  // must not touch any option set
    dlg.show();
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
}  // namespace sj
