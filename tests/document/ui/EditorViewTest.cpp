// The editor control driven the way a user and the text commands drive it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <string>

#include "document/ui/EditorView.h"

namespace sj {
namespace {

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(400, 300);
        editor.show();
        QApplication::processEvents();
    }

    void type(const QString& text) {
        QTest::keyClicks(&editor, text);
        QApplication::processEvents();
    }

    std::string text() const { return editor.textBytes(); }

    EditorView editor;
};

TEST_F(EditorTest, CaretLineAndColumnCountFromOne) {
    editor.loadText("abcdef\r\nghijkl\r\nmn");
    editor.setCaret(8 + 3);  // after the 3rd character of line 2
    EXPECT_EQ(editor.caretLineAndColumn(), std::make_pair(2, 4));
    EXPECT_EQ(editor.caretLine(), 2);
    editor.setCaret(0);
    EXPECT_EQ(editor.caretLineAndColumn(), std::make_pair(1, 1));
    editor.caretToEnd();
    EXPECT_EQ(editor.caretLineAndColumn(), std::make_pair(3, 3));
    // Columns count characters, not the bytes of the buffer.
    editor.loadText("x\r\n\xC3\xA9\xC3\xA9z");
    editor.setCaret(3 + 4);
    EXPECT_EQ(editor.caretLineAndColumn(), std::make_pair(2, 3));
    editor.goTo(2, 3);
    EXPECT_EQ(editor.selStart(), 7);
}

TEST_F(EditorTest, LinesIgnoreAFinalLineBreak) {
    editor.loadText("");
    EXPECT_EQ(editor.displayLineCount(), 0);
    editor.loadText("a\r\nbb\r\n");
    EXPECT_EQ(editor.displayLineCount(), 2);
    EXPECT_EQ(editor.displayLineText(1), "bb");
    editor.selectLines(0, 1);
    EXPECT_EQ(editor.selectedBytes(), "a\r\nbb");
    editor.caretToEnd();
    EXPECT_EQ(editor.caretLine(), 3);
}

TEST_F(EditorTest, PasteRaisesTheLimitBeforeInserting) {
    editor.loadText("");
    const Pos before = editor.textLimit();
    ASSERT_LT(before, 70000 + 12287);
    QApplication::clipboard()->setText(QString(70000, QLatin1Char('p')));
    ASSERT_TRUE(editor.canPaste());
    editor.paste();
    QApplication::processEvents();
    EXPECT_EQ(editor.textLength(), 70000);
    EXPECT_EQ(editor.textLimit(), 70000 + 61439);
    // Enough headroom left: a small edit does not move the limit again.
    type("q");
    EXPECT_EQ(editor.textLimit(), 70000 + 61439);
}

TEST_F(EditorTest, LimitGrowsInLargeStepsAndNeverShrinks) {
    editor.loadText(std::string(100000, 'a'));
    EXPECT_GE(editor.textLimit(), 100000 + 61439);
    const Pos limit = editor.textLimit();
    editor.replaceRange(0, 100000, "b");
    EXPECT_EQ(editor.textLimit(), limit);
    editor.setTextLimit(10);
    editor.ensureHeadroom();
    EXPECT_EQ(editor.textLimit(), 1 + 61439);
}

TEST_F(EditorTest, InternalOverwriteReplacesButNeverALineEnd) {
    editor.setInternalOvr(true);
    editor.loadText("abc\r\nde");
    editor.setOverwrite(true);
    editor.setCaret(0);
    type("X");
    EXPECT_EQ(text(), "Xbc\r\nde");
    EXPECT_EQ(editor.selStart(), 1);
    editor.setCaret(3);  // end of line 1
    type("YZ");
    EXPECT_EQ(text(), "XbcYZ\r\nde");
    editor.caretToEnd();
    type("!");
    EXPECT_EQ(text(), "XbcYZ\r\nde!");
    // Typing runs coalesce; an overwritten character comes back whole.
    editor.undo();
    editor.undo();
    EXPECT_EQ(text(), "Xbc\r\nde");
    editor.undo();
    EXPECT_EQ(text(), "abc\r\nde");
    // A selection is replaced as usual, not the character after it.
    editor.setSel(0, 2);
    type("Q");
    EXPECT_EQ(text(), "Qc\r\nde");
}

TEST_F(EditorTest, InsertKeyTogglesOverwriteOnRelease) {
    editor.setInternalOvr(true);
    QSignalSpy changed(&editor, &EditorView::overwriteChanged);
    EXPECT_FALSE(editor.overwrite());
    QTest::keyPress(&editor, Qt::Key_Insert);
    EXPECT_FALSE(editor.overwrite());
    QTest::keyRelease(&editor, Qt::Key_Insert);
    EXPECT_TRUE(editor.overwrite());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).at(0).toBool());
    QTest::keyClick(&editor, Qt::Key_Insert);
    EXPECT_FALSE(editor.overwrite());
}

TEST_F(EditorTest, CtrlEnterPutsAFormFeedAtTheNextLineStart) {
    editor.loadText("line1\r\nline2\r\nline3\r\nline4\r\nline5\r\nline6\r\n");
    editor.goTo(5, 3);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(text(), "line1\r\nline2\r\nline3\r\nline4\r\nline5\r\n\fline6\r\n");
    EXPECT_EQ(editor.displayLineText(5), "\fline6");
    // In column 1 the break goes right there; on the last line at the end.
    editor.goTo(2, 1);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor.displayLineText(1), "\fline2");
    editor.loadText("only");
    editor.setSel(1, 2);
    QTest::keyClick(&editor, Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(text(), "only\f");
    editor.loadText("ro\r\ntext");
    editor.setReadOnly(true);
    editor.setCaret(1);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(text(), "ro\r\ntext");
}

TEST_F(EditorTest, WordWrapSwitchKeepsSelectionAndModifiedState) {
    std::string para;
    for (int i = 0; i < 300; ++i) para += "word ";
    editor.loadText(para + "\r\nend");
    editor.setSel(1000, 300);
    editor.setWordWrap(true);
    QApplication::processEvents();
    EXPECT_TRUE(editor.wordWrap());
    EXPECT_EQ(editor.selStart(), 1000);
    EXPECT_EQ(editor.selLength(), 300);
    EXPECT_FALSE(editor.isModified());
    EXPECT_GT(editor.displayLineCount(), 2);

    editor.setCaret(editor.textLength());
    type("z");
    editor.setSel(10, 5);
    editor.setWordWrap(false);
    EXPECT_EQ(editor.selStart(), 10);
    EXPECT_EQ(editor.selLength(), 5);
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(editor.displayLineCount(), 2);
    editor.undo();
    EXPECT_EQ(text(), para + "\r\nend");
}

TEST_F(EditorTest, EscUndoesOnlyWhenAskedAndModified) {
    editor.loadText("abc");
    editor.caretToEnd();
    type("d");
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(text(), "abcd");

    editor.setUndoOnEsc(true);
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(text(), "abc");
    EXPECT_FALSE(editor.isModified());
    // Unmodified: nothing to undo, the key passes on harmlessly.
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(text(), "abc");
}

TEST_F(EditorTest, UserEditsRaiseEditedProgramLoadsDoNot) {
    QSignalSpy edited(&editor, &EditorView::edited);
    editor.loadText("loaded");
    QApplication::processEvents();
    EXPECT_EQ(edited.count(), 0);
    EXPECT_FALSE(editor.isModified());

    editor.caretToEnd();
    type("x");
    EXPECT_GE(edited.count(), 1);
    EXPECT_TRUE(editor.isModified());

    // While locked, changes raise nothing and unlocking leaves a clean text.
    edited.clear();
    editor.setLocked(true);
    editor.replaceSelection("more");
    editor.replaceRange(0, 1, "L");
    QApplication::processEvents();
    editor.setLocked(false);
    QApplication::processEvents();
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(text(), "Loadedxmore");
    EXPECT_FALSE(editor.isModified());
    EXPECT_FALSE(editor.canUndoEdit());
}

TEST_F(EditorTest, SuspendHoldsNotificationsUntilResume) {
    editor.loadText("abc");
    QSignalSpy edited(&editor, &EditorView::edited);
    editor.suspend();
    editor.suspend();
    editor.replaceSelection("1");
    editor.replaceSelection("2");
    editor.resume();
    QApplication::processEvents();
    EXPECT_EQ(edited.count(), 0);
    editor.resume();
    QApplication::processEvents();
    EXPECT_EQ(edited.count(), 1);
    editor.resume();  // unbalanced resume is harmless
    EXPECT_TRUE(editor.updatesEnabled());
}

TEST_F(EditorTest, ReplaceRangeIsOneUndoStep) {
    editor.loadText("hello world\r\nsecond");
    editor.caretToEnd();
    type("!");
    editor.replaceRange(0, 5, "HELLO THERE");
    editor.replaceRange(editor.textLength() - 1, 1, "");
    EXPECT_EQ(text(), "HELLO THERE world\r\nsecond");
    editor.undo();
    EXPECT_EQ(text(), "HELLO THERE world\r\nsecond!");
    editor.undo();
    EXPECT_EQ(text(), "hello world\r\nsecond!");
    editor.undo();
    EXPECT_EQ(text(), "hello world\r\nsecond");
    EXPECT_FALSE(editor.isModified());
}

TEST_F(EditorTest, ReplaceSelectionLeavesCaretAfterTheText) {
    editor.loadText("one two three");
    editor.setSel(4, 3);
    EXPECT_EQ(editor.selectedBytes(), "two");
    editor.replaceSelection("2");
    EXPECT_EQ(text(), "one 2 three");
    EXPECT_EQ(editor.selStart(), 5);
    EXPECT_FALSE(editor.hasSelection());
    // Out-of-range selections are clamped, never past the text.
    editor.setSel(-5, 3);
    EXPECT_EQ(editor.selStart(), 0);
    editor.setSel(8, 1000);
    EXPECT_EQ(editor.selLength(), editor.textLength() - 8);
}

TEST_F(EditorTest, NulBytesSurviveLoadAndView) {
    const std::string bytes("a\0b\0\0c\r\n\0", 10);
    editor.loadText(bytes);
    EXPECT_EQ(editor.textLength(), 10);
    EXPECT_EQ(std::string(editor.textView()), bytes);
    editor.setSel(1, 3);
    EXPECT_EQ(editor.selectedBytes(), std::string("\0b\0", 3));
    editor.replaceRange(2, 1, std::string("\0", 1));
    EXPECT_EQ(std::string(editor.textView()), std::string("a\0\0\0\0c\r\n\0", 10));
}

TEST_F(EditorTest, SelectLinkAtCaretStopsAtDelimiters) {
    editor.loadText("see <a href=\"http://x.org/p?q\">here</a>\r\nnext");
    editor.setCaret(18);
    editor.selectLinkAtCaret();
    EXPECT_EQ(editor.selectedBytes(), "http://x.org/p?q");
    editor.setCaret(1);
    editor.selectLinkAtCaret();
    EXPECT_EQ(editor.selectedBytes(), "see");
    // The run never crosses the line end.
    editor.setCaret(editor.textLength());
    editor.selectLinkAtCaret();
    EXPECT_EQ(editor.selectedBytes(), "next");
}

TEST_F(EditorTest, TabSettingsTextIsKeptSortedAndDeduplicated) {
    editor.setTabSettings("1;1;0.001");
    EXPECT_EQ(editor.tabSettings(), "1");
    editor.setTabSettings("1.25;0.5");
    EXPECT_EQ(editor.tabSettings(), "0.5;1.25");
    editor.setTabUnits(1);
    EXPECT_EQ(editor.tabSettings(), "1.27;3.18");
}

TEST_F(EditorTest, ReadOnlyEditorRefusesTypingAndUndo) {
    editor.loadText("abc");
    editor.caretToEnd();
    type("d");
    editor.setReadOnly(true);
    EXPECT_FALSE(editor.canUndoEdit());
    EXPECT_FALSE(editor.canPaste());
    editor.undo();
    type("e");
    EXPECT_EQ(text(), "abcd");
}

}  // namespace
}  // namespace sj
