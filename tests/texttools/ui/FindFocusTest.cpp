// Find, Replace and the document selector reached with the keyboard: the Tab
// chain of both dialogs, Esc after a search, where the focus goes after a
// "not found" box, Replace All of a text with itself, and the selector's focus
// and width.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "FindTestWindow.h"
#include "texttools/ui/DocumentSelector.h"
#include "texttools/ui/DocumentSelectorCommands.h"
#include "texttools/ui/FindCommands.h"
#include "texttools/ui/FindController.h"
#include "texttools/ui/ReplaceController.h"
#include "texttools/ui/ReplaceDialog.h"
#include "texttools/ui/SearchTokenCombo.h"

namespace sj {
namespace {

using test::FindTestWindow;
using test::shownMessages;

// The widgets Tab visits from the focused one, until the chain comes round.
QList<QWidget*> tabChain(QWidget* window, int steps) {
    QList<QWidget*> seen;
    for (int i = 0; i < steps; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != window) break;
        seen << focused;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return seen;
}

// Makes w the active window once the events in flight have settled.
bool activate(QWidget* w) {
    QTest::qWait(20);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) && QApplication::activeWindow() == w;
}

struct KeyFixture {
    FindTestWindow w;
    FindCommands* cmds;
    explicit KeyFixture(const std::vector<std::string>& texts) : w(texts) {
        cmds = new FindCommands(*w.window);
        w.window->addCommandGroup(cmds);
        w.window->show();
        w.window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
        w.docs().current()->setFocus();
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    FindDialog* findWindow() { return cmds->findController().window(); }
    ReplaceDialog* replaceWindow() { return cmds->replaceController().replaceWindow(); }
};

TEST(FindKeys, TabGoesThroughTheFindDialogInReadingOrder) {
    KeyFixture f({"cat"});
    f.press(Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = f.findWindow();
    ASSERT_TRUE(d);
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("c"));  // Find Next becomes enabled, and takes part in the chain
    const QList<QWidget*> chain = tabChain(d, 9);
    // The direction group is one stop, at whichever of its buttons Qt chooses.
    QWidget* direction = chain.value(3) == d->rbUp ? d->rbUp : d->rbDown;
    QList<QWidget*> expected{d->cmbFind, d->cbxWholeWord, d->cbxMatchCase,
                             direction,  d->btnFindNext,  d->btnCancel};
    if (d->cbxAll->isVisible()) expected.insert(4, d->cbxAll);
    ASSERT_GE(chain.size(), expected.size());
    EXPECT_EQ(chain.mid(0, expected.size()), expected);
}

TEST(FindKeys, ReplaceWithFollowsFindWhatSoTheTypedReplacementIsUsed) {
    KeyFixture f({"cat 3"});
    f.w.docs().current()->caretToStart();
    f.press(Qt::Key_R, Qt::ControlModifier);
    ReplaceDialog* d = f.replaceWindow();
    ASSERT_TRUE(d);
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("cat"));
    const QList<QWidget*> chain = tabChain(d, 12);
    QWidget* direction = chain.value(4) == d->rbUp ? d->rbUp : d->rbDown;
    QList<QWidget*> expected{d->cmbFind, d->cmbReplace,  d->cbxWholeWord,  d->cbxMatchCase,
                             direction,  d->btnFindNext, d->btnReplaceAll, d->btnCancel};
    if (d->cbxAll->isVisible()) expected.insert(5, d->cbxAll);
    ASSERT_GE(chain.size(), expected.size());
    EXPECT_EQ(chain.mid(0, expected.size()), expected);

    // The user's way: type the search text, Tab, type the replacement, Replace All.
    d->cmbFind->setFocus();
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("dog"));
    EXPECT_EQ(d->cmbReplace->currentText(), QStringLiteral("dog"));
    QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
    EXPECT_EQ(f.w.text(0), "dog 3");
}

TEST(FindKeys, EscAfterASearchClosesTheDialogAndKeepsTheSearchText) {
    KeyFixture f({"a cat and a cat"});
    f.w.docs().current()->caretToStart();
    f.press(Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = f.findWindow();
    ASSERT_TRUE(d);
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("cat"));
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.w.selected(0), "cat");
    // One Esc: the field is as searched, so the dialog closes with the text.
    f.press(Qt::Key_Escape);
    EXPECT_FALSE(f.cmds->findController().isOpen());
    ASSERT_TRUE(activate(f.w.window.get()));
    f.w.docs().current()->setFocus();
    f.press(Qt::Key_F3);
    EXPECT_EQ(f.w.page(0)->selStart(), 12);
}

TEST(FindKeys, EscOnAnEditedFieldGoesBackToTheTextLastSearched) {
    KeyFixture f({"a cat and a dog"});
    f.w.docs().current()->caretToStart();
    f.press(Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = f.findWindow();
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("cat"));
    f.press(Qt::Key_Return);
    d->cmbFind->setFocus();
    f.type(QStringLiteral("zz"));
    f.press(Qt::Key_Escape);
    EXPECT_TRUE(f.cmds->findController().isOpen());
    EXPECT_EQ(d->cmbFind->currentText(), QStringLiteral("cat"));
}

TEST(FindKeys, AfterNotFoundTheFocusIsBackInTheFindDialog) {
    KeyFixture f({"some text"});
    msg::setTestResponder(nullptr);  // a real box, closed with the keyboard
    f.press(Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = f.findWindow();
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("zebra"));
    QString shown;
    QTimer::singleShot(0, [&shown] {
        for (int i = 0; i < 100; ++i) {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            QTest::qWait(20);
        }
    });
    f.press(Qt::Key_Return);
    EXPECT_EQ(shown, QStringLiteral("\"zebra\" not found!"));
    QTest::qWait(20);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->window(), d);
    // The next key goes to the dialog, not over the document's text.
    f.type(QStringLiteral("x"));
    EXPECT_EQ(f.w.text(0), "some text");
}

TEST(FindKeys, ReplaceAllOfATextWithItselfSaysNothingNeededReplacing) {
    KeyFixture f({"cat here", "a cat there"});
    f.press(Qt::Key_R, Qt::ControlModifier);
    ReplaceDialog* d = f.replaceWindow();
    ASSERT_TRUE(activate(d));
    d->cmbFind->setFocus();
    f.type(QStringLiteral("cat"));
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("cat"));
    d->cbxAll->setChecked(true);
    shownMessages().clear();
    QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
    ASSERT_EQ(shownMessages().size(), 1);
    EXPECT_EQ(shownMessages()[0],
              QStringLiteral("Nothing needed replacing: every \"cat\" already reads \"cat\"."));
    EXPECT_EQ(f.w.text(0), "cat here");
    // A text that is really absent is still "not found".
    d->cmbFind->setFocus();
    d->cmbFind->lineEdit()->selectAll();
    f.type(QStringLiteral("dog"));
    shownMessages().clear();
    QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
    ASSERT_EQ(shownMessages().size(), 1);
    EXPECT_EQ(shownMessages()[0], QStringLiteral("\"dog\" not found!"));
}

TEST(SelectorKeys, F6GivesTheListTheFocusAndLongPathsFit) {
    const std::string longDir = "/home/someone/projects/with/a/very/deep/tree/of/folders/for/the/test";
    KeyFixture f({"1", "2"});
    f.w.page(0)->setFileName(longDir + "/first.txt");
    f.w.page(1)->setFileName(longDir + "/second.txt");
    f.w.docs().select(0);
    auto* selectorCommands = new DocumentSelectorCommands(*f.w.window);
    f.w.window->addCommandGroup(selectorCommands);
    f.w.docs().current()->setFocus();
    f.press(Qt::Key_F6);
    DocumentSelector* s = selectorCommands->selector();
    ASSERT_TRUE(s);
    ASSERT_TRUE(activate(s));
    EXPECT_EQ(QApplication::focusWidget(), s->pageList);
    // The first arrow key moves in the list, not in the document.
    f.press(Qt::Key_Down);
    EXPECT_EQ(f.w.docs().currentIndex(), 1);
    EXPECT_EQ(f.w.page(0)->selStart(), 0);

    EXPECT_GE(s->width(), s->fontMetrics().horizontalAdvance(s->windowTitle()));
    EXPECT_EQ(s->pageList->textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(s->pageList->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < s->pageList->count(); ++i)
        EXPECT_EQ(s->pageList->item(i)->toolTip(), s->pageList->item(i)->text());
    s->close();
}

}  // namespace
}  // namespace sj
