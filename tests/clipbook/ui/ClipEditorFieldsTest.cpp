// The item editor and the library picker on the program's input fields: Esc
// back to the entry text, the editing menu with "&Word Wrap", and the item
// editor's placement kept across closing and reopening.
#include <gtest/gtest.h>

#include "config/WindowKeys.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "clipbook/ui/ClipEditorDialog.h"
#include "clipbook/ui/LibraryFileDialog.h"
#include "config/Options.h"
#include "widgets/ui/ListField.h"

namespace sj {
namespace {

struct ProgramOptions {
    Options options;
    ProgramOptions() { PlacementWindow::setProgramOptions(&options); }
    ~ProgramOptions() { PlacementWindow::setProgramOptions(nullptr); }
};

QMenu* openMenuOf(QWidget* field) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    // Scroll areas take mouse menus through their viewport.
    auto* area = qobject_cast<QAbstractScrollArea*>(field);
    QApplication::sendEvent(area ? area->viewport() : field, &e);
    return field->findChild<QMenu*>();
}

QAction* itemWithCaption(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

TEST(ClipEditorFields, EscInTheTitleRestoresItThenCancelsTheEditor) {
    ProgramOptions program;
    ClipEditorDialog dlg;
    dlg.setContent(QStringLiteral("Greeting"), std::string("Hello\r\nWorld"));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.titleField()->setFocus();
    dlg.titleField()->selectAll();
    QTest::keyClicks(dlg.titleField(), QStringLiteral("Other"));
    ASSERT_EQ(dlg.title(), QStringLiteral("Other"));
    QTest::keyClick(dlg.titleField(), Qt::Key_Escape);
    EXPECT_EQ(dlg.title(), QStringLiteral("Greeting"));
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(dlg.titleField(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(ClipEditorFields, ContentEscRestoresTheBodyAndKeepsItsLineBreaks) {
    ProgramOptions program;
    ClipEditorDialog dlg;
    dlg.setContent(QStringLiteral("T"), std::string("one\r\ntwo"));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.contentField()->setFocus();
    QTest::keyClicks(dlg.contentField(), QStringLiteral("xyz"));
    ASSERT_NE(dlg.body(), "one\r\ntwo");
    QTest::keyClick(dlg.contentField(), Qt::Key_Escape);
    EXPECT_EQ(dlg.body(), "one\r\ntwo");
    EXPECT_TRUE(dlg.isVisible());
}

TEST(ClipEditorFields, WordWrapSitsBelowTheEditingMenuAndWorksOnlyForTheContent) {
    ProgramOptions program;
    ClipEditorDialog dlg;
    dlg.setContent(QStringLiteral("T"), std::string("body"));
    dlg.setWordWrap(false);
    dlg.show();

    QMenu* content = openMenuOf(dlg.contentField());
    ASSERT_NE(content, nullptr);
    EXPECT_NE(itemWithCaption(content, QStringLiteral("C&lear All")), nullptr);
    QAction* wrap = itemWithCaption(content, QStringLiteral("&Word Wrap"));
    ASSERT_NE(wrap, nullptr);
    EXPECT_TRUE(wrap->isEnabled());
    EXPECT_FALSE(wrap->isChecked());
    wrap->trigger();
    EXPECT_TRUE(dlg.wordWrap());
    content->close();

    QMenu* title = openMenuOf(dlg.titleField());
    ASSERT_NE(title, nullptr);
    QAction* titleWrap = itemWithCaption(title, QStringLiteral("&Word Wrap"));
    ASSERT_NE(titleWrap, nullptr);
    EXPECT_FALSE(titleWrap->isEnabled());
    EXPECT_TRUE(titleWrap->isChecked());  // shows the content's state
    title->close();
}

TEST(ClipEditorFields, PlacementSurvivesClosingAndReopening) {
    ProgramOptions program;
    {
        ClipEditorDialog dlg;
        dlg.show();
        dlg.resize(520, 240);
        dlg.move(40, 60);
        QApplication::processEvents();
        dlg.reject();
    }
    ASSERT_EQ(program.options.placements.count(std::string(windowkeys::kClipEditorDialog)), 1u);
    ClipEditorDialog again;
    EXPECT_TRUE(again.stayOnTop());
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.size(), QSize(520, 240));
    EXPECT_EQ(again.pos(), QPoint(40, 60));
}

TEST(ClipEditorFields, LibraryPickerFieldsAreTheProgramsOwn) {
    ProgramOptions program;
    LibraryFileDialog dlg(QStringLiteral("/nonexistent-directory"), true);
    dlg.show();
    dlg.nameField()->setText(QStringLiteral("Notes"));
    dlg.nameField()->setFocus();
    QTest::keyClicks(dlg.nameField(), QStringLiteral("X"));
    EXPECT_TRUE(dlg.okButton()->isEnabled());
    QTest::keyClick(dlg.nameField(), Qt::Key_Escape);
    EXPECT_EQ(dlg.nameField()->text(), QStringLiteral("Notes"));
    EXPECT_TRUE(dlg.isVisible());
    // Not a persistent window: nothing is kept.
    dlg.reject();
    EXPECT_EQ(program.options.placements.count("LibraryFileDialog"), 0u);
}

}  // namespace
}  // namespace sj
