// The program's input controls driven by key presses: Esc back to the entry
// text, undo, overwrite shared through the form's master, combo validation and
// the editing menu's enabling.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "widgets/ui/ComboField.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

class InputControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        master = new InputFieldGroup(form.get());
        edit = new LineField(QStringLiteral("abc"), form.get());
        other = new LineField(QStringLiteral("xyz"), form.get());
        combo = new ComboField(form.get());
        combo->addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")});
        combo->setCurrentIndex(1);
        form->show();
        edit->setFocus();
        QApplication::processEvents();
    }
    std::map<QString, bool> menuState(QWidget* field) {
        std::unique_ptr<QMenu> menu(master->editMenu.build(field, nullptr));
        std::map<QString, bool> state;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) state[a->text()] = a->isEnabled();
        return state;
    }

    std::unique_ptr<QWidget> form;
    InputFieldGroup* master;
    LineField* edit;
    LineField* other;
    ComboField* combo;
};

TEST_F(InputControlsTest, EscRestoresTheEntryTextOnceThenPassesOn) {
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("def"));
    EXPECT_EQ(edit->text(), QStringLiteral("abcdef"));
    EXPECT_TRUE(edit->changedSinceEntry());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &esc);
    EXPECT_TRUE(esc.isAccepted());
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &again);
    EXPECT_FALSE(again.isAccepted());  // left for the dialog
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
}

TEST_F(InputControlsTest, ProgramTextIsTheEntryTextUntilTheUserEdits) {
    edit->setText(QStringLiteral("set"));
    EXPECT_EQ(edit->entryText(), QStringLiteral("set"));
    EXPECT_FALSE(edit->changedSinceEntry());
    QTest::keyClicks(edit, QStringLiteral("!"));
    edit->setText(QStringLiteral("later"));
    EXPECT_EQ(edit->entryText(), QStringLiteral("set"));
    edit->restoreEntry();
    EXPECT_EQ(edit->text(), QStringLiteral("set"));
    edit->setText(QStringLiteral("typed"));
    edit->commit();
    EXPECT_EQ(edit->entryText(), QStringLiteral("typed"));
}

TEST_F(InputControlsTest, InsertTogglesOverwriteForEveryFieldOfTheForm) {
    QTest::keyClick(edit, Qt::Key_Insert);
    EXPECT_TRUE(master->overwriteMode());
    EXPECT_TRUE(edit->overwriteMode());
    EXPECT_TRUE(other->overwriteMode());
    EXPECT_TRUE(combo->overwriteMode());
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(edit->text(), QStringLiteral("xbc"));
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("yz"));
    EXPECT_EQ(edit->text(), QStringLiteral("xbcyz"));
    // Without dispatching, Insert is this field's own business.
    other->DispatchInsMode = false;
    QTest::keyClick(other, Qt::Key_Insert);
    EXPECT_FALSE(other->overwriteMode());
    EXPECT_TRUE(edit->overwriteMode());
}

TEST_F(InputControlsTest, ComboWithLimitToListRestoresAnUnknownText) {
    combo->LimitToList = true;
    combo->setFocus();
    QApplication::processEvents();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("Purple"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Purple"));
    EXPECT_FALSE(combo->validate());
    EXPECT_EQ(combo->currentText(), QStringLiteral("Green"));

    combo->lineEdit()->setText(QStringLiteral("blue"));
    EXPECT_TRUE(combo->validate());
    EXPECT_EQ(combo->currentIndex(), 2);
}

TEST_F(InputControlsTest, ComboAddsNewTextsTheOwnerAccepts) {
    combo->AddNewToList = true;
    combo->AddNewToStart = true;
    QString offered;
    combo->OnNotInList = [&](const QString& t) {
        offered = t;
        return NotInListAnswer{true, std::nullopt};
    };
    combo->lineEdit()->setText(QStringLiteral("Purple"));
    EXPECT_TRUE(combo->validate());
    EXPECT_EQ(offered, QStringLiteral("Purple"));
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Purple"));
    EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_F(InputControlsTest, ComboWithoutAllowNullPicksTheFirstItemOnEntry) {
    auto* c = new ComboField(form.get());
    c->AllowNull = false;
    c->addItems({QStringLiteral("one"), QStringLiteral("two")});
    c->setCurrentIndex(-1);
    c->show();
    c->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(c->currentIndex(), 0);
    c->lineEdit()->clear();
    EXPECT_FALSE(c->validate());
    EXPECT_EQ(c->currentText(), QStringLiteral("one"));
}

TEST_F(InputControlsTest, EditingMenuOfAReadOnlyFieldOffersCopyAndSelectAll) {
    edit->setReadOnly(true);
    edit->setSelection(0, 1);
    auto state = menuState(edit);
    ASSERT_EQ(state.size(), 8u);
    for (const auto& [caption, on] : state)
        EXPECT_EQ(on, caption == QStringLiteral("&Copy") || caption == QStringLiteral("Select &All"))
            << caption.toStdString();
    edit->setReadOnly(false);
    QTest::keyClicks(edit, QStringLiteral("q"));
    state = menuState(edit);
    EXPECT_TRUE(state[QStringLiteral("&Undo")]);
    EXPECT_TRUE(state[QStringLiteral("C&lear All")]);
}

TEST_F(InputControlsTest, EditingMenuUndoAndClearAct) {
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("123"));
    std::unique_ptr<QMenu> menu(master->editMenu.build(edit, nullptr));
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("&Undo")) a->trigger();
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    menu.reset(master->editMenu.build(edit, nullptr));
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("C&lear All")) a->trigger();
    EXPECT_EQ(edit->text(), QString());
    master->editMenu.shownItems = FieldEditMenu::showCopy | FieldEditMenu::showPaste;
    menu.reset(master->editMenu.build(edit, nullptr));
    EXPECT_EQ(menu->actions().size(), 2);
}

}  // namespace
}  // namespace sj
