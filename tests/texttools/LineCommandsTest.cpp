#include <gtest/gtest.h>

#include "LineTestText.h"
#include "StringLineEditor.h"
#include "text/Collation.h"
#include "text/Utf8.h"
#include "texttools/LineCommands.h"
#include "texttools/LineMenus.h"
#include "texttools/LineRange.h"
#include "texttools/TextLines.h"

using namespace sj;
using sj::testing::crlf;

namespace {

const LocaleCollator& collator() {
    static const LocaleCollator c("en_US", true);
    return c;
}

LineOptions options(int indent = 1) {
    LineOptions o;
    o.indentSize = indent;
    o.collator = &collator();
    return o;
}

StringLineEditor editorWith(std::string text, Selection sel = {}, std::size_t wrap = 0) {
    StringLineEditor e(std::move(text), wrap);
    e.setSelection(sel);
    return e;
}

SplitOptions fixedWidthSplit(int columns) {
    return {columns * 10, [](std::string_view s) { return static_cast<int>(utf8::countChars(s)) * 10; }};
}

}  // namespace

TEST(TextLines, LineListRules) {
    const std::string ab = "a\r\nb\r\n";
    TextLines t(ab);
    EXPECT_EQ(t.lineCount(), 2u);
    EXPECT_EQ(t.lineAt(6), 2u);  // after the final break: the place of a next line
    EXPECT_EQ(t.lineStart(2), 6u);
    EXPECT_EQ(t.lineEnd(1), 4u);
    EXPECT_EQ(TextLines("").lineCount(), 0u);
    EXPECT_EQ(TextLines("a\rb\nc").lineCount(), 3u);
    // Wrapping at 5 columns: spaces stay at the end of the screen line.
    const std::string wrapped = "aaa bbb ccc\r\nd";
    TextLines w(wrapped, 5);
    ASSERT_EQ(w.lineCount(), 4u);
    EXPECT_EQ(w.lineStart(1), 4u);
    EXPECT_EQ(w.lineEnd(0), 4u);
    EXPECT_EQ(w.lineEnd(2), 11u);
    EXPECT_EQ(w.lineAt(4), 1u);
}

TEST(LineRange, SelectionBecomesWholeLines) {
    const std::string text = crlf({"alpha", "beta", "gamma", "delta"});
    TextLines t(text);
    // Inside one line.
    auto r = lineRangeFromSelection(t, {8, 1});
    EXPECT_EQ(r.firstLine, 1u);
    EXPECT_EQ(r.lastLine, 1u);
    EXPECT_EQ(r.selection, (Selection{7, 4}));
    // Caret only.
    EXPECT_EQ(lineRangeFromSelection(t, {9, 0}).selection, (Selection{7, 4}));
    // Across lines: from the start of the first to the end of the last line's text.
    r = lineRangeFromSelection(t, {2, 12});
    EXPECT_EQ(r.firstLine, 0u);
    EXPECT_EQ(r.lastLine, 2u);
    EXPECT_EQ(r.selection, (Selection{0, 18}));
    // Ending just after a hard break leaves the next line out.
    r = lineRangeFromSelection(t, {0, 13});
    EXPECT_EQ(r.lastLine, 1u);
    EXPECT_EQ(r.selection, (Selection{0, 11}));
}

TEST(LineRange, WrappedParagraphIsTakenWhole) {
    // "aaa bbb ccc" wraps into three screen lines at 5 columns.
    StringLineEditor e(crlf({"x", "aaa bbb ccc", "y"}), 5);
    auto r = lineRangeFromSelection(e, {8, 0});  // caret in "bbb"
    EXPECT_EQ(r.firstLine, 1u);
    EXPECT_EQ(r.lastLine, 3u);
    EXPECT_EQ(r.selection, (Selection{3, 11}));
    // A selection that ends after the paragraph's hard break is not extended forward,
    // but still reaches back to the paragraph start.
    r = lineRangeFromSelection(e, {8, 8});
    EXPECT_EQ(r.firstLine, 1u);
    EXPECT_EQ(r.lastLine, 3u);
}

TEST(applyLineAction, SortWholeDocumentAndBlocks) {
    auto e = editorWith(crlf({"b", "a", "c"}));
    EXPECT_EQ(applyLineAction(e, LineAction::Sort, options()), LineOutcome::Changed);
    EXPECT_EQ(e.text(), crlf({"a", "b", "c"}, true));
    EXPECT_EQ(e.selectedText(), crlf({"a", "b", "c"}));

    // A block inside the document comes back with a break of its own.
    e = editorWith(crlf({"top", "zz", "yy", "end"}), {5, 5});
    applyLineAction(e, LineAction::Sort, options());
    EXPECT_EQ(e.text(), crlf({"top", "yy", "zz", "", "end"}));
    EXPECT_EQ(e.selectedText(), crlf({"yy", "zz"}));

    // A document that ends with a break gains no empty line.
    e = editorWith("b\r\na\r\n");
    applyLineAction(e, LineAction::Sort, options());
    EXPECT_EQ(e.text(), "a\r\nb\r\n");
}

TEST(applyLineAction, SortOfOneLineDoesNothing) {
    for (auto [text, sel] : {std::pair<std::string, Selection>{"just one", {}},
                             {crlf({"abc", "def"}), {1, 1}},
                             {"one\r\n", {}}}) {
        auto e = editorWith(text, sel);
        EXPECT_EQ(applyLineAction(e, LineAction::Sort, options()), LineOutcome::Unchanged);
        EXPECT_EQ(e.text(), text);
        EXPECT_EQ(e.replaceCount(), 0);
    }
    auto empty = editorWith("");
    for (int a = 0; a <= 5; ++a)
        EXPECT_EQ(applyLineAction(empty, static_cast<LineAction>(a), options()), LineOutcome::Unchanged);
    EXPECT_EQ(empty.text(), "");
}

TEST(applyLineAction, LargeSortAsksFirst) {
    std::vector<std::string> lines;
    for (int i = 32767; i > 0; --i) lines.push_back(std::to_string(i));
    const std::string text = crlf(lines);
    int asked = 0;
    LineOptions o = options();
    o.confirmLargeSort = [&] {
        ++asked;
        return false;
    };
    auto e = editorWith(text);
    EXPECT_EQ(applyLineAction(e, LineAction::Sort, o), LineOutcome::Declined);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(e.text(), text);
    EXPECT_EQ(e.selection(), (Selection{0, text.size()}));

    // One line fewer sorts without asking.
    lines.pop_back();
    e = editorWith(crlf(lines));
    EXPECT_EQ(applyLineAction(e, LineAction::Sort, o), LineOutcome::Changed);
    EXPECT_EQ(asked, 1);
    o.confirmLargeSort = [] { return true; };
    lines.push_back("0");
    e = editorWith(crlf(lines));
    EXPECT_EQ(applyLineAction(e, LineAction::Sort, o), LineOutcome::Changed);
    EXPECT_EQ(e.text().substr(0, 12), "0\r\n10\r\n100\r\n");
}

TEST(applyLineAction, CompressReselectsTheShorterRange) {
    auto e = editorWith(crlf({"A", "", "", "", "B", "after"}), {0, 10});
    applyLineAction(e, LineAction::Compress, options());
    EXPECT_EQ(e.text(), crlf({"A", "", "B", "after"}));
    EXPECT_EQ(e.selectedText(), crlf({"A", "", "B"}));
    // Without a selection the whole document, final break included.
    e = editorWith(crlf({"a", "", "b", ""}, true));
    applyLineAction(e, LineAction::Compress, options());
    EXPECT_EQ(e.text(), crlf({"a", "b"}, true));
    EXPECT_EQ(e.selectedText(), crlf({"a", "b"}));
}

TEST(applyLineAction, TrimIndentAndUnindentTakeTheCaretLine) {
    auto e = editorWith(crlf({"x", " \t ", "y  "}), {4, 0});
    applyLineAction(e, LineAction::TrimBlanks, options());
    EXPECT_EQ(e.text(), crlf({"x", "", "y  "}));
    EXPECT_EQ(e.selection(), (Selection{3, 0}));

    e = editorWith(crlf({"a", "", "b"}), {0, 6});
    applyLineAction(e, LineAction::Indent, options(4));
    EXPECT_EQ(e.text(), crlf({"    a", "", "    b"}));
    EXPECT_EQ(e.selectedText(), crlf({"    a", "", "    b"}));

    // A range without characters stays as it is; an empty first line of a longer range does not.
    e = editorWith(crlf({"a", "", "b"}), {3, 0});
    EXPECT_EQ(applyLineAction(e, LineAction::Indent, options(2)), LineOutcome::Unchanged);
    EXPECT_EQ(e.text(), crlf({"a", "", "b"}));
    e = editorWith(crlf({"a", "", "b"}), {3, 3});
    applyLineAction(e, LineAction::Indent, options(2));
    EXPECT_EQ(e.text(), crlf({"a", "  ", "  b"}));

    e = editorWith("  a", {1, 0});
    applyLineAction(e, LineAction::Unindent, options(4));
    EXPECT_EQ(e.text(), "  a");

    // Adjust Line Breaks keeps the line count, so the reselection covers the same lines.
    e = editorWith("a\nb\rc\r\nd", {0, 5});
    applyLineAction(e, LineAction::AdjustLineBreaks, options());
    EXPECT_EQ(e.text(), crlf({"a", "b", "c", "d"}));
    EXPECT_EQ(e.selectedText(), crlf({"a", "b", "c"}));
}

namespace {
// An editor whose replacement fails, as when memory runs out.
class FailingEditor : public StringLineEditor {
public:
    using StringLineEditor::StringLineEditor;
    void replaceSelection(std::string_view) override { throw std::bad_alloc(); }
    void beginLongOperation() override { ++depth; }
    void endLongOperation() override { --depth; }
    int depth = 0;
};
}  // namespace

TEST(applyLineAction, FailureStillReselectsAndEndsTheLongOperation) {
    FailingEditor e(crlf({"one  ", "two  ", "three"}));
    e.setSelection({2, 6});
    EXPECT_THROW(applyLineAction(e, LineAction::TrimBlanks, options()), std::bad_alloc);
    EXPECT_EQ(e.depth, 0);
    EXPECT_EQ(e.selectedText(), crlf({"one  ", "two  "}));
}

TEST(MakeParagraph, JoinsLines) {
    auto e = editorWith(crlf({"one", "two", "three"}));
    MakeParagraph(e);
    EXPECT_EQ(e.text(), crlf({"one two", "three"}));
    EXPECT_EQ(e.selectedText(), "one two");

    e = editorWith(crlf({"A", "B", "", "C", "D"}), {0, 11});
    MakeParagraph(e);
    EXPECT_EQ(e.text(), crlf({"A B", "C D"}));

    // Caret on the last line: nothing.
    e = editorWith(crlf({"x", "y"}), {4, 0});
    EXPECT_EQ(MakeParagraph(e), LineOutcome::Unchanged);
    EXPECT_EQ(e.text(), crlf({"x", "y"}));

    // A selection ending just after a break takes the next line too.
    e = editorWith(crlf({"a", "b", "c", "d"}), {0, 3});
    MakeParagraph(e);
    EXPECT_EQ(e.text(), crlf({"a b", "c", "d"}));
    e = editorWith(crlf({"a", "b", "c", "d"}), {0, 6});
    MakeParagraph(e);
    EXPECT_EQ(e.text(), crlf({"a b c", "d"}));
}

TEST(SplitLines, CutsToTheEditorWidth) {
    auto e = editorWith(crlf({"fits", "next"}), {1, 0});
    splitLongLines(e, fixedWidthSplit(10));
    EXPECT_EQ(e.text(), crlf({"fits", "", "next"}));
    EXPECT_EQ(e.selectedText(), "fits\r\n");

    e = editorWith(crlf({"alpha beta gamma", "", "delta"}, true), {0, 25});
    splitLongLines(e, fixedWidthSplit(11));
    EXPECT_EQ(e.text(), crlf({"alpha beta", "gamma", "", "delta", ""}, true));
}

TEST(SplitLines, WrappedScreenLinesBecomeLines) {
    auto e = editorWith(crlf({"aaa bbb ccc", "z"}), {5, 0}, 5);
    splitLongLines(e, fixedWidthSplit(5));
    EXPECT_EQ(e.text(), crlf({"aaa", "bbb", "ccc", "", "z"}));
    // A single screen line under word wrap: nothing to split.
    e = editorWith("aaa", {}, 5);
    EXPECT_EQ(splitLongLines(e, fixedWidthSplit(5)), LineOutcome::Unchanged);
    EXPECT_EQ(e.text(), "aaa");
}

TEST(SplitLines, CaretInAWrappedParagraphSplitsItWhole) {
    auto e = editorWith("p\r\naaa bbb", {4, 0}, 5);
    ASSERT_EQ(e.lineCount(), 3u);
    splitLongLines(e, fixedWidthSplit(5));
    EXPECT_EQ(e.text(), crlf({"p", "aaa", "bbb"}, true));
    EXPECT_EQ(e.selectedText(), crlf({"aaa", "bbb"}, true));
}

TEST(DeleteLine, RemovesTheCaretLine) {
    auto e = editorWith(crlf({"a", "b", "c"}), {4, 0});
    deleteCurrentLine(e);
    EXPECT_EQ(e.text(), crlf({"a", "c"}));
    e = editorWith(crlf({"a", "b"}), {3, 0});
    deleteCurrentLine(e);
    EXPECT_EQ(e.text(), "a\r\n");
    e = editorWith(crlf({"a", "b"}), {0, 0});
    e.setReadOnly(true);
    EXPECT_EQ(deleteCurrentLine(e), LineOutcome::Unchanged);
    e = editorWith("");
    EXPECT_EQ(deleteCurrentLine(e), LineOutcome::Unchanged);
}

TEST(LineMenus, EnablingRules) {
    LineMenuContext c{true, 1, true, false};
    auto m = mainLinesMenuState(c);
    EXPECT_FALSE(m.sort || m.joinLines || m.compress);
    EXPECT_TRUE(m.trimBlanks && m.adjustLineBreaks && m.splitLines && m.indent && m.unindent);
    EXPECT_FALSE(contextLinesMenuState(c).adjustLineBreaks);
    c.caretLineEmpty = true;
    EXPECT_FALSE(mainLinesMenuState(c).indent);
    EXPECT_FALSE(deleteLineEnabled(c));
    c.selectionEmpty = false;
    EXPECT_TRUE(deleteLineEnabled(c));
    c.lineCount = 2;
    EXPECT_TRUE(contextLinesMenuState(c).adjustLineBreaks && mainLinesMenuState(c).sort);
    c.writable = false;
    EXPECT_EQ(mainLinesMenuState(c), LineMenuState{});
    EXPECT_EQ(contextLinesMenuState(c), LineMenuState{});

    auto e = editorWith(crlf({"a", "", "b"}), {3, 0});
    const auto ctx = lineMenuContext(e);
    EXPECT_TRUE(ctx.caretLineEmpty && ctx.selectionEmpty && ctx.writable);
    EXPECT_EQ(ctx.lineCount, 3u);
}
