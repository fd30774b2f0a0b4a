#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QTest>

#include "TextToolsWindow.h"
#include "texttools/ui/CaseCommandGroup.h"
#include "texttools/ui/LineCommandGroup.h"
#include "texttools/ui/LinePageEditor.h"

namespace sj {
namespace {

using testing::QuestionAnswer;
using testing::TextToolsWindow;

QAction* findAction(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

TEST(LineCommandGroupTest, SortsSelectedBlockAndUndoRestoresItInOneStep) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    const std::string original = "top\r\ncherry\r\nBanana\r\napple\r\nend";
    w.setText(original);
    w.select(5, 19);  // from "cherry" into "apple"
    lines->runLineAction(LineAction::Sort);
    // The sorted block brings its own final break, so an empty line separates it from "end".
    EXPECT_EQ(w.text(), "top\r\napple\r\nBanana\r\ncherry\r\n\r\nend");
    EXPECT_EQ(w.selected(), "apple\r\nBanana\r\ncherry");
    EXPECT_TRUE(w.page->isModified());
    w.page->undo();
    EXPECT_EQ(w.text(), original);
    EXPECT_FALSE(w.page->isModified());
}

TEST(LineCommandGroupTest, SortWithoutSelectionTakesWholeDocument) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.setText("b\r\na\r\nc");
    w.page->setCaret(0);
    lines->runLineAction(LineAction::Sort);
    EXPECT_EQ(w.text(), "a\r\nb\r\nc\r\n");
}

TEST(LineCommandGroupTest, LargeSortAsksAndNoLeavesTextAlone) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    std::string text;
    for (int i = 32767; i > 0; --i) text += std::to_string(i) + "\r\n";
    w.setText(text);
    {
        QuestionAnswer no(msg::Answer::No);
        lines->runLineAction(LineAction::Sort);
        EXPECT_EQ(QuestionAnswer::asked, 1);
        EXPECT_EQ(w.text(), text);
        EXPECT_FALSE(w.page->isModified());
    }
    {
        QuestionAnswer yes(msg::Answer::Yes);
        w.page->setCaret(0);
        lines->runLineAction(LineAction::Sort);
        EXPECT_EQ(QuestionAnswer::asked, 1);
        EXPECT_EQ(w.text().substr(0, 12), "1\r\n10\r\n100\r\n");
        EXPECT_EQ(w.text().size(), text.size());
    }
}

TEST(LineCommandGroupTest, IndentUsesOptionSizeAndUnindentRemovesIt) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.options.indentSize = 4;
    w.setText("a\r\n\r\nb\r\n");
    w.select(0, 7);
    lines->runLineAction(LineAction::Indent);
    EXPECT_EQ(w.text(), "    a\r\n\r\n    b\r\n");
    EXPECT_EQ(w.selected(), "    a\r\n\r\n    b");
    lines->runLineAction(LineAction::Unindent);
    EXPECT_EQ(w.text(), "a\r\n\r\nb\r\n");
}

TEST(LineCommandGroupTest, JoinCompressTrimAndDeleteLine) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.setText("well-\r\nknown\r\nx");
    w.page->setCaret(0);
    lines->MakeParagraph();
    EXPECT_EQ(w.text(), "well-known\r\nx");
    EXPECT_EQ(w.selected(), "well-known");

    w.setText("A\r\n\r\n\r\n\r\nB");
    w.page->setCaret(0);
    lines->runLineAction(LineAction::Compress);
    EXPECT_EQ(w.text(), "A\r\n\r\nB");

    w.setText("x  \t\r\n   \r\ny");
    w.page->setCaret(7);
    lines->runLineAction(LineAction::TrimBlanks);
    EXPECT_EQ(w.text(), "x  \t\r\n\r\ny");

    w.setText("a\r\nb");
    w.page->setCaret(4);
    lines->deleteCurrentLine();
    EXPECT_EQ(w.text(), "a\r\n");
}

TEST(LineCommandGroupTest, ReadOnlyDocumentIsNeverChanged) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.setText("b\r\na\r\n");
    w.page->setReadOnly(true);
    w.page->selectAll();
    lines->runLineAction(LineAction::Sort);
    lines->MakeParagraph();
    lines->splitLongLines();
    lines->deleteCurrentLine();
    EXPECT_EQ(w.text(), "b\r\na\r\n");
    lines->updateEnabled();
    QMenu* menu = w.window->submenu(QStringLiteral("Convert"), QStringLiteral("&Lines"));
    ASSERT_NE(menu, nullptr);
    for (const char* caption : {"&Sort", "&Join Lines", "&Indent"})
        EXPECT_FALSE(findAction(menu, QString::fromLatin1(caption))->isEnabled()) << caption;
}

TEST(LineCommandGroupTest, EnablingDiffersBetweenMainAndContextMenu) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.setText("only line");
    w.page->setCaret(2);
    lines->updateEnabled();
    QMenu* main = w.window->submenu(QStringLiteral("Convert"), QStringLiteral("&Lines"));
    QMenu* context = w.window->submenu(QStringLiteral("Editor"), QStringLiteral("&Lines"));
    const QString adjust = QStringLiteral("Adjust Line &Breaks");
    EXPECT_TRUE(findAction(main, adjust)->isEnabled());
    EXPECT_FALSE(findAction(context, adjust)->isEnabled());
    EXPECT_FALSE(findAction(main, QStringLiteral("&Sort"))->isEnabled());
    EXPECT_TRUE(findAction(main, QStringLiteral("&Indent"))->isEnabled());
    // The shortcut lives on the main menu's item only, so it is never ambiguous.
    EXPECT_EQ(findAction(main, QStringLiteral("&Indent"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    EXPECT_TRUE(findAction(context, QStringLiteral("&Indent"))->shortcut().isEmpty());
    EXPECT_EQ(findAction(context, QStringLiteral("&Compress"))->statusTip(),
              QStringLiteral("Remove empty lines in selected text or whole document"));
}

TEST(LineCommandGroupTest, SplitCutsLongLineToEditorWidth) {
    TextToolsWindow w;
    auto* lines = w.add<LineCommandGroup>();
    w.window->resize(300, 300);
    w.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window.get()));
    std::string line;
    for (int i = 0; i < 40; ++i) line += "word" + std::to_string(i) + " ";
    w.setText(line + "\r\nshort");
    w.page->setCaret(1);
    lines->splitLongLines();
    const int width = LineCommandGroup::pageAvailableWidth(*w.page);
    const TextWidthFn measure = LineCommandGroup::pageTextWidth(*w.page);
    const std::string result = w.text();
    ASSERT_TRUE(result.ends_with("\r\nshort"));
    std::size_t pieces = 0, pos = 0;
    QStringList words;
    for (std::size_t brk; (brk = result.find("\r\n", pos)) != std::string::npos && pos < result.size() - 5;
         pos = brk + 2) {
        const std::string piece = result.substr(pos, brk - pos);
        EXPECT_LE(measure(piece), width) << piece;
        words += QString::fromStdString(piece).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ++pieces;
    }
    EXPECT_GT(pieces, 2u);
    // No word lost or cut.
    EXPECT_EQ(words, QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

TEST(LineCommandGroupTest, TabsMeasureToTheNextTabStop) {
    TextToolsWindow w;
    const TextWidthFn measure = LineCommandGroup::pageTextWidth(*w.page);
    const int space = measure(" ");
    ASSERT_GT(space, 0);
    const int stop = measure("\t");
    EXPECT_EQ(stop, w.page->tabWidth() * space);
    EXPECT_EQ(measure("a\t"), stop);
    EXPECT_EQ(measure("\tb"), stop + measure("b"));
}

TEST(LinePageEditorTest, WrappedRowsAreLines) {
    TextToolsWindow w;
    w.window->resize(300, 300);
    w.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window.get()));
    std::string para;
    for (int i = 0; i < 30; ++i) para += "alpha ";
    w.setText("first\r\n" + para + "\r\nlast\r\n");
    w.page->setWordWrap(true);
    QTest::qWait(100);  // the component wraps in its idle time
    LinePageEditor editor(*w.page);
    const std::size_t n = editor.lineCount();
    ASSERT_GT(n, 4u);
    EXPECT_EQ(editor.lineAt(0), 0u);
    EXPECT_EQ(editor.lineEnd(0), 5u);
    // Rows of the paragraph meet at soft breaks: one row ends where the next begins.
    EXPECT_EQ(editor.lineStart(1), 7u);
    EXPECT_EQ(editor.lineEnd(1), editor.lineStart(2));
    for (std::size_t row = 1; row + 1 < n; ++row) {
        EXPECT_EQ(editor.lineAt(editor.lineStart(row)), row);
        EXPECT_LT(editor.lineStart(row), editor.lineStart(row + 1));
    }
    EXPECT_EQ(editor.lineAt(w.text().size()), n);  // after the final break
    EXPECT_EQ(std::string(editor.text().substr(editor.lineStart(n - 1))), "last\r\n");
}

}  // namespace
}  // namespace sj

namespace sj {
namespace {

// The editor component binds Ctrl+U, Ctrl+L, Ctrl+Y and others itself; the window's
// commands must win.
TEST(EditorShortcutFilterTest, WindowShortcutsBeatTheEditorsOwnKeys) {
    testing::TextToolsWindow w;
    w.add<LineCommandGroup>();
    w.add<CaseCommandGroup>();
    w.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->activateWindow();
    w.page->setFocus();
    w.setText("hello world\r\nsecond line");
    w.select(0, 5);
    QTest::keyClick(w.page, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(w.text(), "HELLO world\r\nsecond line");
    w.select(0, 5);
    QTest::keyClick(w.page, Qt::Key_L, Qt::ControlModifier);  // the editor would cut the line
    EXPECT_EQ(w.text(), "hello world\r\nsecond line");
    w.page->setCaret(0);
    QTest::keyClick(w.page, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(w.text(), "hello world second line");
    QTest::keyClick(w.page, Qt::Key_Y, Qt::ControlModifier);  // the editor would redo
    EXPECT_EQ(w.text(), "");
}

}  // namespace
}  // namespace sj
