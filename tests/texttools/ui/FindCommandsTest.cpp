// The find and replace commands driven through their dialogs, over real pages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "FindTestWindow.h"
#include "texttools/ui/DocumentSelectorCommands.h"
#include "texttools/ui/FindCommands.h"
#include "texttools/ui/FindController.h"
#include "texttools/ui/ReplaceController.h"
#include "texttools/ui/ReplaceDialog.h"
#include "texttools/ui/SearchTokenCombo.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

using test::FindTestWindow;
using test::shownMessages;

struct Fixture {
    FindTestWindow w;
    FindCommands* cmds;
    explicit Fixture(const std::vector<std::string>& texts) : w(texts) {
        cmds = new FindCommands(*w.window);
        w.window->addCommandGroup(cmds);
    }
    FindDialog* openFind(const QString& token, bool all) {
        cmds->startFind();
        FindDialog* dlg = cmds->findController().window();
        dlg->cmbFind->setEditText(token);
        dlg->cbxAll->setChecked(all);
        return dlg;
    }
    ReplaceDialog* openReplace(const QString& token, const QString& with, bool all) {
        cmds->startReplace();
        ReplaceDialog* dlg = cmds->replaceController().replaceWindow();
        dlg->cmbFind->setEditText(token);
        dlg->cmbReplace->setEditText(with);
        dlg->cbxAll->setChecked(all);
        return dlg;
    }
};

TEST(FindCommands, FindNextVisitsTheOtherPagesInTabOrderAndStopsAtTheStart) {
    Fixture f({"one cat\r\n", "cat at top, then x here", "cat three\r\n"});
    f.w.docs().select(1);
    f.w.page(1)->setCaret(12);  // after the first cat of page 2
    FindDialog* dlg = f.openFind(QStringLiteral("cat"), true);
    ASSERT_TRUE(dlg->btnFindNext->isEnabled());

    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.docs().currentIndex(), 2);
    EXPECT_EQ(f.w.page(2)->selStart(), 0);
    EXPECT_EQ(f.w.selected(2), "cat");
    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.docs().currentIndex(), 0);
    EXPECT_EQ(f.w.page(0)->selStart(), 4);
    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.docs().currentIndex(), 1);
    EXPECT_EQ(f.w.page(1)->selStart(), 0);
    EXPECT_TRUE(shownMessages().isEmpty());
}

TEST(FindCommands, FindInOnePageDoesNotWrapAndQuotesTheDecodedText) {
    Fixture f({"a\tb cat\r\nmore"});
    f.w.page(0)->setCaret(5);
    FindDialog* dlg = f.openFind(QStringLiteral("a^Tb"), false);
    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.selected(0), "");
    ASSERT_EQ(shownMessages().size(), 1);
    EXPECT_EQ(shownMessages().front(), QStringLiteral("\"a\tb\" not found!"));
}

TEST(FindCommands, FindTakesTheSelectionAsTokensAndASecondCtrlFOnlyMovesTheFocus) {
    Fixture f({"x\ty\r\nx\ty"});
    f.w.page(0)->setSel(1, 1);
    f.cmds->startFind();
    FindDialog* dlg = f.cmds->findController().window();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->cmbFind->currentText(), QStringLiteral("^T"));

    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.page(0)->selStart(), 6);
    dlg->cmbFind->setEditText(QStringLiteral("typed"));
    f.cmds->startFind();  // the selection is still a match: nothing is refilled
    EXPECT_EQ(dlg->cmbFind->currentText(), QStringLiteral("typed"));
}

TEST(FindCommands, SearchAgainReverseTurnsTheDirectionForGood) {
    Fixture f({"cat cat cat"});
    FindDialog* dlg = f.openFind(QStringLiteral("cat"), false);
    dlg->btnFindNext->click();
    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.page(0)->selStart(), 4);
    f.cmds->findController().close();
    f.cmds->updateEnabled();
    ASSERT_TRUE(f.cmds->findAgainReverseAction->isEnabled());
    f.cmds->findAgainReverseAction->trigger();
    EXPECT_EQ(f.w.page(0)->selStart(), 0);
    f.w.page(0)->setCaret(11);
    f.cmds->findAgainAction->trigger();
    EXPECT_EQ(f.w.page(0)->selStart(), 8);
}

TEST(FindCommands, DialogTextOptionsAndHistorySurviveClosing) {
    Fixture f({"Cat cat"});
    FindDialog* dlg = f.openFind(QStringLiteral("cat"), false);
    dlg->cbxMatchCase->setChecked(true);
    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.page(0)->selStart(), 4);
    dlg->btnCancel->click();
    EXPECT_FALSE(f.cmds->findController().isOpen());
    EXPECT_TRUE(f.cmds->engine().findSettings().options.matchCase());
    EXPECT_EQ(f.cmds->engine().findSettings().findList.items().front(), "cat");

    f.w.page(0)->setCaret(0);
    f.cmds->startFind();
    dlg = f.cmds->findController().window();
    EXPECT_TRUE(dlg->cbxMatchCase->isChecked());
    EXPECT_EQ(dlg->cmbFind->count(), 1);
}

TEST(FindCommands, EnablingFollowsThePageAndTheSearchText) {
    Fixture f({""});
    f.cmds->updateEnabled();
    EXPECT_FALSE(f.cmds->findAction->isEnabled());
    EXPECT_FALSE(f.cmds->jumpToLineAction->isEnabled());
    f.w.page(0)->replaceRange(0, 0, "text");
    f.cmds->updateEnabled();
    EXPECT_TRUE(f.cmds->findAction->isEnabled());
    EXPECT_FALSE(f.cmds->findAgainAction->isEnabled());
    f.w.page(0)->setReadOnly(true);
    f.cmds->updateEnabled();
    EXPECT_FALSE(f.cmds->replaceAction->isEnabled());
}

TEST(FindCommands, ReverseSearchAndTheSelectorAreReachableFromTheEditorMenu) {
    Fixture f({"a"});
    f.w.window->addCommandGroup(new DocumentSelectorCommands(*f.w.window));
    QStringList captions;
    for (QAction* a : f.w.window->menu(QStringLiteral("Editor"))->actions()) captions << a->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("Search Again Reverse")));
    EXPECT_TRUE(captions.contains(QStringLiteral("&Document Selector")));
}

TEST(ReplaceCommands, ReplaceAllIsOneUndoStepAndReportsTheCount) {
    Fixture f({"cat and cat\r\nand cat"});
    ReplaceDialog* dlg = f.openReplace(QStringLiteral("cat"), QStringLiteral("dog^P"), false);
    ASSERT_TRUE(dlg->btnReplaceAll->isEnabled());
    dlg->btnReplaceAll->click();
    EXPECT_EQ(f.w.text(0), "dog\r\n and dog\r\n\r\nand dog\r\n");
    EXPECT_EQ(dlg->hint(), QStringLiteral("3 replacement(s) made!"));
    EXPECT_FALSE(dlg->btnReplace->isEnabled());
    f.w.page(0)->undo();
    EXPECT_EQ(f.w.text(0), "cat and cat\r\nand cat");
}

TEST(ReplaceCommands, ReplaceAllPassesOverReadOnlyPagesAndEndsWhenReplacingWithItself) {
    Fixture f({"cat", "cat", "a cat"});
    f.w.page(1)->setReadOnly(true);
    ReplaceDialog* dlg = f.openReplace(QStringLiteral("cat"), QStringLiteral("dog"), true);
    dlg->btnReplaceAll->click();
    EXPECT_EQ(f.w.text(0), "dog");
    EXPECT_EQ(f.w.text(1), "cat");
    EXPECT_EQ(f.w.text(2), "a dog");
    EXPECT_EQ(dlg->hint(), QStringLiteral("2 replacement(s) made!"));

    dlg->cmbFind->setEditText(QStringLiteral("dog"));
    dlg->cmbReplace->setEditText(QStringLiteral("dog"));
    dlg->btnReplaceAll->click();
    EXPECT_EQ(dlg->hint(), QStringLiteral("0 replacement(s) made!"));
    EXPECT_EQ(shownMessages().back(),
              QStringLiteral("Nothing needed replacing: every \"dog\" already reads \"dog\"."));
}

TEST(ReplaceCommands, SelectedWordIsReplacedAndTheNextOneSelected) {
    Fixture f({"red fox, red hen, blue"});
    f.w.page(0)->setSel(0, 3);
    f.cmds->startReplace();
    ReplaceDialog* dlg = f.cmds->replaceController().replaceWindow();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->cmbFind->currentText(), QStringLiteral("red"));
    EXPECT_TRUE(dlg->btnReplace->isEnabled());
    dlg->cmbReplace->setEditText(QStringLiteral("tan"));
    dlg->btnReplace->click();
    EXPECT_EQ(f.w.text(0), "tan fox, red hen, blue");
    EXPECT_EQ(f.w.page(0)->selStart(), 9);
    EXPECT_TRUE(dlg->btnReplace->isEnabled());
    dlg->btnReplace->click();
    EXPECT_EQ(f.w.text(0), "tan fox, tan hen, blue");
    EXPECT_FALSE(dlg->btnReplace->isEnabled());
    EXPECT_TRUE(shownMessages().isEmpty());
}

TEST(ReplaceCommands, ReplaceInAReadOnlyPageIsRefused) {
    Fixture f({"red red"});
    f.w.page(0)->setSel(0, 3);
    f.cmds->startReplace();
    ReplaceDialog* dlg = f.cmds->replaceController().replaceWindow();
    f.w.page(0)->setReadOnly(true);
    dlg->btnReplace->click();
    EXPECT_EQ(f.w.text(0), "red red");
    ASSERT_FALSE(shownMessages().isEmpty());
    EXPECT_EQ(shownMessages().front(), QStringLiteral("This document is Read-Only, cannot replace text!"));
}

TEST(ReplaceCommands, OpeningOneDialogClosesTheOther) {
    Fixture f({"abc"});
    f.cmds->startFind();
    EXPECT_TRUE(f.cmds->findController().isOpen());
    f.cmds->startReplace();
    EXPECT_FALSE(f.cmds->findController().isOpen());
    EXPECT_TRUE(f.cmds->replaceController().isOpen());
    f.cmds->startFind();
    EXPECT_FALSE(f.cmds->replaceController().isOpen());
}

TEST(ReplaceCommands, CancelledReplaceAllLeavesThePageAsItWas) {
    std::string big;
    for (int i = 0; i < 300000; ++i) big += "cat cat\r\n";
    Fixture f({big});
    f.cmds->progressThreshold = 0;
    ReplaceDialog* dlg = f.openReplace(QStringLiteral("cat"), QStringLiteral("dog"), false);
    // The progress window serves events; this one presses its Cancel.
    QTimer::singleShot(0, [] { ProgressWindow::s_cancelled = true; });
    dlg->btnReplaceAll->click();
    EXPECT_EQ(f.w.text(0), big);
    EXPECT_EQ(dlg->hint(), QStringLiteral("0 replacement(s) made!"));
}

QString g_jumpAnswer;
QString g_jumpPrompt;
bool answerJump(const InputQueryDialog::Request& request, QString& text) {
    g_jumpPrompt = request.label;
    EXPECT_EQ(request.acceptedChars, QStringLiteral("0123456789"));
    EXPECT_EQ(request.maxLength, 10);
    text = g_jumpAnswer;
    return true;
}

TEST(JumpToLine, ClampsToTheDocumentAndNamesTheRange) {
    Fixture f({"one\r\ntwo\r\nthree\r\n"});
    InputQueryDialog::setTestResponder(&answerJump);
    f.w.page(0)->setCaret(5);
    g_jumpAnswer = QStringLiteral("99");
    f.cmds->jumpToLine();
    EXPECT_EQ(g_jumpPrompt, QStringLiteral("Jump to line [1 to 3]"));
    EXPECT_EQ(f.w.page(0)->selStart(), 10);
    g_jumpAnswer = QStringLiteral("0");
    f.cmds->jumpToLine();
    EXPECT_EQ(f.w.page(0)->selStart(), 0);
    g_jumpAnswer = QString();
    f.w.page(0)->setCaret(6);
    f.cmds->jumpToLine();
    EXPECT_EQ(f.w.page(0)->selStart(), 6);
    InputQueryDialog::setTestResponder(nullptr);
}

}  // namespace
}  // namespace sj

namespace sj {
namespace {

TEST(FindDialog, EnterFindsAndUpwardsReachesTheFirstCharacter) {
    Fixture f({"cat and cat"});
    f.w.window->show();
    f.w.page(0)->setCaret(6);
    FindDialog* dlg = f.openFind(QStringLiteral("CAT"), false);
    dlg->rbUp->setChecked(true);
    QApplication::setActiveWindow(dlg);
    dlg->cmbFind->setFocus();
    QTest::keyClick(dlg->cmbFind, Qt::Key_Return);
    EXPECT_EQ(f.w.page(0)->selStart(), 0);
    EXPECT_EQ(f.w.selected(0), "cat");
}

TEST(FindDialog, DoubleClickOnTheBackgroundPutsTheCaretAtTheEndForUp) {
    Fixture f({"some text"});
    f.w.page(0)->setCaret(4);
    FindDialog* dlg = f.openFind(QStringLiteral("x"), false);
    dlg->rbUp->setChecked(true);
    dlg->resize(dlg->sizeHint());
    const QPoint corner(dlg->width() - 2, dlg->height() - 2);
    ASSERT_EQ(dlg->childAt(corner), nullptr);
    QTest::mouseDClick(dlg, Qt::LeftButton, Qt::NoModifier, corner);
    EXPECT_EQ(f.w.page(0)->selStart(), 9);
}

TEST(FindDialog, PastingPutsLineBreaksAndTabsInTokenForm) {
    Fixture f({"x"});
    FindDialog* dlg = f.openFind(QString(), false);
    dlg->cmbFind->pasteTokens(QStringLiteral("a\r\nb\tc^t"));
    EXPECT_EQ(dlg->cmbFind->currentText(), QStringLiteral("a^Pb^Tc^^t"));
}

}  // namespace
}  // namespace sj

namespace sj {
namespace {

TEST(ReplaceDialog, AllDocumentsForcesDownwardsAndAReverseSearchShowsInTheOpenDialog) {
    Fixture f({"cat cat"});
    ReplaceDialog* dlg = f.openReplace(QStringLiteral("cat"), QStringLiteral("dog"), false);
    dlg->rbUp->setChecked(true);
    dlg->cbxAll->setChecked(true);
    EXPECT_TRUE(dlg->rbDown->isChecked());
    EXPECT_FALSE(dlg->rdgDirection->isEnabled());
    dlg->cbxAll->setChecked(false);
    EXPECT_TRUE(dlg->rdgDirection->isEnabled());

    dlg->btnFindNext->click();
    EXPECT_EQ(f.w.page(0)->selStart(), 0);
    EXPECT_TRUE(dlg->btnReplace->isEnabled());
    f.w.page(0)->setCaret(7);
    f.cmds->findAgainReverse();
    EXPECT_EQ(f.w.page(0)->selStart(), 4);
    EXPECT_TRUE(dlg->rbUp->isChecked());
    EXPECT_EQ(dlg->cmbReplace->currentText(), QStringLiteral("dog"));
}

TEST(JumpToLine, TheStatusBarCaretPanelAsksForTheLine) {
    Fixture f({"a\r\nb\r\n"});
    InputQueryDialog::setTestResponder(&answerJump);
    g_jumpAnswer = QStringLiteral("2");
    f.w.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.w.window.get()));
    QLabel* caretPanel = nullptr;
    for (QLabel* label : f.w.window->statusBar()->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("1:1")) caretPanel = label;
    ASSERT_NE(caretPanel, nullptr);
    QTest::mouseDClick(caretPanel, Qt::LeftButton);
    EXPECT_EQ(f.w.page(0)->selStart(), 3);
    EXPECT_EQ(g_jumpPrompt, QStringLiteral("Jump to line [1 to 2]"));
    InputQueryDialog::setTestResponder(nullptr);
}

}  // namespace
}  // namespace sj
