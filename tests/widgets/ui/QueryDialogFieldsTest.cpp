// The one-line and the drop-down input dialogs on the program's input fields:
// Esc first goes back to what the field held, and only then cancels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "widgets/ui/ChoiceQueryDialog.h"
#include "widgets/ui/ComboField.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

TEST(QueryDialogFields, EscRestoresTheDefaultAnswerBeforeItCancels) {
    InputQueryDialog::Request r;
    r.defaultText = QStringLiteral("draft");
    InputQueryDialog dlg(r);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    auto* edit = dlg.findChild<LineField*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("final"));
    ASSERT_EQ(dlg.text(), QStringLiteral("final"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(dlg.text(), QStringLiteral("draft"));
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(QueryDialogFields, DropDownEscRestoresTheChosenEntry) {
    ChoiceQueryDialog::Request r;
    r.entries = {{QStringLiteral("red"), {}}, {QStringLiteral("green"), {}}};
    r.selected = 1;
    ChoiceQueryDialog dlg(r);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    auto* combo = dlg.findChild<ComboField*>();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    QApplication::processEvents();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("blue"));
    ASSERT_EQ(combo->currentText(), QStringLiteral("blue"));
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(combo->currentText(), QStringLiteral("green"));
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
}  // namespace sj
