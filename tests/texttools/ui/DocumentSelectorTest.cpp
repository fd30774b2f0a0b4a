// The document selector and Auto Scroll over real pages.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "FindTestWindow.h"
#include "app/ui/DocumentTabs.h"
#include "texttools/ui/AutoScrollDialog.h"
#include "texttools/ui/DocumentSelector.h"
#include "texttools/ui/DocumentSelectorCommands.h"

namespace sj {
namespace {

using test::FindTestWindow;

QStringList listed(DocumentSelector* s) {
    QStringList out;
    for (int i = 0; i < s->pageList->count(); ++i) out << s->pageList->item(i)->text();
    return out;
}

struct SelectorFixture {
    FindTestWindow w;
    DocumentSelectorCommands* cmds;
    explicit SelectorFixture(const std::vector<std::string>& texts) : w(texts) {
        cmds = new DocumentSelectorCommands(*w.window);
        w.window->addCommandGroup(cmds);
    }
};

TEST(PageSelector, ListsTitlesWithoutRegardToCaseAndFollowsTheSelection) {
    SelectorFixture f({"1", "2", "3"});
    f.w.page(0)->setFileName("/tmp/beta.txt");
    f.w.page(1)->setFileName("/tmp/Alpha.txt");
    f.w.page(2)->setFileName("/tmp/alpha.txt");
    f.w.docs().select(0);
    f.cmds->showDocumentSelector();
    DocumentSelector* s = f.cmds->selector();
    ASSERT_NE(s, nullptr);
    const QStringList titles = listed(s);
    ASSERT_EQ(titles.size(), 3);
    EXPECT_TRUE(titles[0].endsWith(QStringLiteral("lpha.txt")));
    EXPECT_TRUE(titles[1].endsWith(QStringLiteral("lpha.txt")));
    EXPECT_TRUE(titles[2].endsWith(QStringLiteral("beta.txt")));
    EXPECT_EQ(s->windowTitle(), QStringLiteral("Document Selector [3]"));
    EXPECT_EQ(s->pageList->currentRow(), 2);

    s->pageList->setCurrentRow(0);
    EXPECT_EQ(QString::fromStdString(f.w.docs().current()->title()), titles[0]);
    f.w.docs().select(0);
    EXPECT_EQ(s->pageList->currentRow(), 2);
    EXPECT_TRUE(f.w.options.showSelector);
}

TEST(PageSelector, ClosingADocumentRemovesItsTitleAndSelectsTheNewCurrent) {
    SelectorFixture f({"a", "b", "c"});
    f.cmds->showDocumentSelector();
    DocumentSelector* s = f.cmds->selector();
    f.w.docs().select(1);
    const QString closing = QString::fromStdString(f.w.docs().current()->title());
    QTest::keyClick(s->pageList, Qt::Key_Delete);
    ASSERT_EQ(f.w.docs().count(), 2);
    EXPECT_FALSE(listed(s).contains(closing));
    EXPECT_EQ(s->windowTitle(), QStringLiteral("Document Selector [2]"));
    EXPECT_EQ(s->pageList->currentItem()->text(), QString::fromStdString(f.w.docs().current()->title()));
}

TEST(PageSelector, EscapeClosesItAndTheNextStartLeavesItClosed) {
    SelectorFixture f({"a"});
    f.cmds->showDocumentSelector();
    EXPECT_TRUE(f.cmds->documentSelectorAction->isChecked());
    QTest::keyClick(f.cmds->selector()->pageList, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(f.cmds->selector(), nullptr);
    EXPECT_FALSE(f.cmds->documentSelectorAction->isChecked());
    EXPECT_FALSE(f.w.options.showSelector);
}

std::string numberedLines(int n) {
    std::string t;
    for (int i = 1; i <= n; ++i) t += "line " + std::to_string(i) + "\r\n";
    return t;
}

TEST(AutoScrollDialog, AShortDocumentIsReadToTheEndThenTheCaretGoesHomeAndItPauses) {
    FindTestWindow w({numberedLines(3)});
    w.window->show();
    w.page(0)->setCaret(12);
    AutoScrollDialog dlg(*w.page(0), w.window.get());
    ASSERT_GT(dlg.state().pageLines(), 3u);
    dlg.Play();
    EXPECT_TRUE(dlg.btnPlay->isChecked());
    EXPECT_TRUE(dlg.timerActive());
    for (int i = 0; i < 5 && dlg.state().playing(); ++i) dlg.timerTick();
    EXPECT_FALSE(dlg.state().playing());
    EXPECT_TRUE(dlg.btnPause->isChecked());
    EXPECT_FALSE(dlg.timerActive());
    EXPECT_EQ(w.page(0)->selStart(), 0);
    EXPECT_EQ(w.page(0)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 0);
}

TEST(AutoScrollDialog, SpeedZeroStandsStillAndLongTextsScrollForwardAndBack) {
    FindTestWindow w({numberedLines(500)});
    w.window->show();
    AutoScrollDialog dlg(*w.page(0), w.window.get());
    dlg.edtSpeed->setText(QStringLiteral("0"));
    dlg.Play();
    EXPECT_FALSE(dlg.timerActive());
    EXPECT_EQ(dlg.speed(), 0);

    dlg.edtSpeed->setText(QStringLiteral("20"));
    dlg.Play();
    dlg.timerTick();
    EXPECT_EQ(w.page(0)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 1);
    const long page = static_cast<long>(dlg.state().pageLines());
    dlg.Forward();
    EXPECT_TRUE(dlg.btnPause->isChecked());
    EXPECT_EQ(w.page(0)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 1 + page);
    dlg.Rewind();
    dlg.Rewind();
    EXPECT_EQ(w.page(0)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(dlg.state().currentLine(), 1u);
}

TEST(AutoScrollDialog, SpeedBoxTakesDigitsOnlyAndEscapeQuits) {
    FindTestWindow w({numberedLines(3)});
    AutoScrollDialog dlg(*w.page(0), w.window.get());
    dlg.show();
    dlg.edtSpeed->setFocus();
    dlg.edtSpeed->end(false);
    QTest::keyClicks(dlg.edtSpeed, QStringLiteral("a7-"));
    EXPECT_EQ(dlg.edtSpeed->text(), QStringLiteral("157"));
    QTest::keyClick(dlg.edtSpeed, Qt::Key_Space);
    EXPECT_TRUE(dlg.state().playing());
    EXPECT_EQ(dlg.speed(), 157);
    QTest::keyClick(dlg.edtSpeed, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(AutoScrollDialog, TheCommandKeepsTheSpeedOption) {
    SelectorFixture f({numberedLines(3)});
    f.w.options.autoScrollSpeed = 40;
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<AutoScrollDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->edtSpeed->text(), QStringLiteral("40"));
        dlg->edtSpeed->setText(QStringLiteral("33"));
        dlg->Play();
        dlg->Quit();
    });
    f.cmds->showAutoScroll();
    EXPECT_EQ(f.w.options.autoScrollSpeed, 33);
}

}  // namespace
}  // namespace sj
