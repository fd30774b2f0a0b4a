// The input fields' editing menu as a user opens it, with the right mouse
// button, and what the focus coming back from it may not change; the Tab
// chain and the typing filter of the one-line and drop-down dialogs.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "widgets/ui/ChoiceQueryDialog.h"
#include "widgets/ui/ComboField.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

// Right-clicks the field through its window, as the window system delivers a
// click (that is where the context menu event comes from), and waits for the menu.
QMenu* openMenu(QWidget* field) {
    QTest::mouseClick(field->window()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      field->mapTo(field->window(), QPoint(5, 5)));
    for (int i = 0; i < 50 && !QApplication::activePopupWidget(); ++i) QTest::qWait(10);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

class EditingMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        new InputFieldGroup(form.get());
        edit = new LineField(QStringLiteral("abc"), form.get());
        form->resize(200, 60);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        edit->setFocus();
        edit->end(false);
    }
    std::unique_ptr<QWidget> form;
    LineField* edit = nullptr;
};

TEST_F(EditingMenuTest, UndoFromTheMenuGoesBackToTheTextOnEntry) {
    QTest::keyClicks(edit, QStringLiteral("def"));
    QMenu* menu = openMenu(edit);
    ASSERT_TRUE(menu);
    QTest::keyClick(menu, Qt::Key_U);  // "&Undo"
    QTest::qWait(20);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
}

TEST_F(EditingMenuTest, AClosedMenuLeavesEscGoingBackToTheEntryText) {
    QTest::keyClicks(edit, QStringLiteral("def"));
    QMenu* menu = openMenu(edit);
    ASSERT_TRUE(menu);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::qWait(20);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
}

TEST(QueryDialogKeys, TabGoesFromTheFieldToOkAndCancel) {
    InputQueryDialog::Request r;
    r.defaultText = QStringLiteral("x");
    InputQueryDialog dlg(r);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* edit = dlg.findChild<LineField*>();
    auto* buttons = dlg.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(edit && buttons);
    edit->setFocus();
    QList<QWidget*> chain;
    for (int i = 0; i < 3; ++i) {
        chain << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QList<QWidget*>{edit, buttons->button(QDialogButtonBox::Ok),
                                      buttons->button(QDialogButtonBox::Cancel)}));
    EXPECT_EQ(QApplication::focusWidget(), edit);  // round again
}

TEST(QueryDialogKeys, RefusedCharactersAreDroppedWhileTyping) {
    InputQueryDialog::Request r;
    r.acceptsChar = [](char32_t c) { return c != '.' && c != '*'; };
    InputQueryDialog dlg(r);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* edit = dlg.findChild<LineField*>();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("a.b*c"));
    EXPECT_EQ(dlg.text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST(QueryDialogKeys, DropDownTabGoesFromTheBoxToOkAndCancel) {
    ChoiceQueryDialog::Request r;
    r.entries = {{QStringLiteral("red"), {}}, {QStringLiteral("green"), {}}};
    r.selected = 0;
    ChoiceQueryDialog dlg(r);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* combo = dlg.findChild<ComboField*>();
    auto* buttons = dlg.findChild<QDialogButtonBox*>();
    combo->setFocus();
    QList<QWidget*> chain;
    for (int i = 0; i < 3; ++i) {
        chain << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QList<QWidget*>{combo, buttons->button(QDialogButtonBox::Ok),
                                      buttons->button(QDialogButtonBox::Cancel)}));
}

}  // namespace
}  // namespace sj
