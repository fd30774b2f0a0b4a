// The memo and list fields and the labelled pairs: entry-text undo and Esc,
// shared overwrite, list rules, label placement and buddies.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LabelledField.h"

namespace sj {
namespace {

class MemoListboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        master = new InputFieldGroup(form.get());
        memo = new TextField(form.get());
        memo->setText(QStringLiteral("abc\ndef"));
        list = new ListField(form.get());
        list->addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")});
        list->move(0, 120);
        list->resize(100, 100);
        edit = new LineField(form.get());
        edit->move(0, 240);
        form->resize(300, 300);
        form->show();
        memo->setFocus();
        QApplication::processEvents();
    }
    bool sendEsc(QWidget* w) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &esc);
        return esc.isAccepted();
    }

    std::unique_ptr<QWidget> form;
    InputFieldGroup* master;
    TextField* memo;
    ListField* list;
    LineField* edit;
};

TEST_F(MemoListboxTest, MemoEscRestoresTheEntryTextOnce) {
    EXPECT_FALSE(memo->changedSinceEntry());
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral("gh"));
    EXPECT_EQ(memo->text(), QStringLiteral("abc\ndefgh"));
    EXPECT_TRUE(memo->changedSinceEntry());
    EXPECT_TRUE(sendEsc(memo));
    EXPECT_EQ(memo->text(), QStringLiteral("abc\ndef"));
    EXPECT_EQ(memo->textCursor().position(), 0);
    EXPECT_FALSE(sendEsc(memo));  // left for the dialog

    // Text set by the program after a user edit does not move the entry text.
    QTest::keyClicks(memo, QStringLiteral("!"));
    memo->setText(QStringLiteral("other"));
    EXPECT_EQ(memo->entryText(), QStringLiteral("abc\ndef"));
}

TEST_F(MemoListboxTest, MemoOverwriteFollowsTheFormAndKeepsLineBreaks) {
    QTest::keyClick(edit, Qt::Key_Insert);  // from another field of the form
    EXPECT_TRUE(memo->overwriteMode());
    EXPECT_TRUE(memo->QPlainTextEdit::overwriteMode());
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("x"));
    EXPECT_EQ(memo->text(), QStringLiteral("xbc\ndef"));
    QTest::keyClicks(memo, QStringLiteral("yzQ"));
    EXPECT_EQ(memo->text(), QStringLiteral("xyzQ\ndef"));
    QTest::keyClick(memo, Qt::Key_Insert);
    EXPECT_FALSE(edit->overwriteMode());
}

TEST_F(MemoListboxTest, MemoEditingMenuUndoGoesBackToTheEntryText) {
    QTest::keyClicks(memo, QStringLiteral("123"));
    std::unique_ptr<QMenu> menu(master->editMenu.build(memo, nullptr));
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("&Undo")) {
            EXPECT_TRUE(a->isEnabled());
            a->trigger();
        }
    EXPECT_EQ(memo->text(), QStringLiteral("abc\ndef"));
    memo->setReadOnly(true);
    menu.reset(master->editMenu.build(memo, nullptr));
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("C&lear All") || a->text() == QStringLiteral("&Paste"))
            EXPECT_FALSE(a->isEnabled());
}

TEST_F(MemoListboxTest, ListEscReturnsToTheItemCurrentOnEntry) {
    list->setCurrentText(QStringLiteral("green"));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_FALSE(list->changedSinceEntry());
    list->setFocus();
    QApplication::processEvents();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), QStringLiteral("Blue"));
    EXPECT_TRUE(list->changedSinceEntry());
    EXPECT_TRUE(sendEsc(list));
    EXPECT_EQ(list->currentText(), QStringLiteral("Green"));
    EXPECT_FALSE(sendEsc(list));
}

TEST_F(MemoListboxTest, ListRulesNullToggleAndReadOnly) {
    list->AllowNull = false;
    list->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(list->currentText(), QStringLiteral("Red"));

    list->AllowNull = true;
    list->AllowToggle = true;
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(list->currentText(), QString());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(list->currentText(), QStringLiteral("Red"));

    list->ReadOnly = true;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->currentText(), QStringLiteral("Red"));
    EXPECT_TRUE(list->isReadOnlyField());
}

TEST(LabelledControlTest, LabelTakesAColonAndLeadsToItsControl) {
    QWidget form;
    LabelledLineField lbl(QStringLiteral("&Name"), &form);
    EXPECT_EQ(lbl.LabelComponent()->text(), QStringLiteral("&Name:"));
    EXPECT_EQ(lbl.LabelComponent()->buddy(), lbl.control());
    lbl.setLabelText(QStringLiteral("Find:"));
    EXPECT_EQ(lbl.LabelComponent()->text(), QStringLiteral("Find:"));
    lbl.setLabelColon(false);
    lbl.setLabelText(QStringLiteral("Plain"));
    EXPECT_EQ(lbl.LabelComponent()->text(), QStringLiteral("Plain"));
    EXPECT_EQ(lbl.focusProxy(), lbl.control());
}

TEST(LabelledControlTest, LabelSitsWhereItsPositionSays) {
    QWidget form;
    LabelledComboField lbl(QStringLiteral("&Colour"), &form);
    lbl.resize(300, 80);
    form.show();
    QApplication::processEvents();
    auto geometry = [&] {
        lbl.layout()->activate();
        return std::pair(lbl.LabelComponent()->geometry(), lbl.control()->geometry());
    };
    auto [l, c] = geometry();
    EXPECT_LT(l.right(), c.left());  // lpLeft by default
    EXPECT_GE(c.left() - l.right() - 1, 8);
    lbl.setLabelPos(lpTop);
    std::tie(l, c) = geometry();
    EXPECT_LT(l.bottom(), c.top());
    lbl.setLabelPos(lpRight);
    std::tie(l, c) = geometry();
    EXPECT_GT(l.left(), c.right());
    lbl.setLabelPos(lpBottom);
    std::tie(l, c) = geometry();
    EXPECT_GT(l.top(), c.bottom());
}

}  // namespace
}  // namespace sj
