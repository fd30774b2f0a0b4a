#include <gtest/gtest.h>

#include <QApplication>

#include <string>

#include "document/ui/EditorView.h"

using sj::EditorView;

namespace {

long xOf(EditorView& e, long pos) {
    return e.SendScintilla(EditorView::SCI_POINTXFROMPOSITION, 0, pos);
}

}  // namespace

TEST(EditorTabStops, IrregularListPlacesTextAtEachStop) {
    EditorView editor;
    editor.resize(600, 300);
    editor.show();
    editor.loadText("a\tb\tc\td\r\nx\ty\r\n");
    editor.setTabUnits(2);  // pixels, so the test does not depend on the screen
    editor.setTabSettings("40;100");
    QApplication::processEvents();
    const long origin = xOf(editor, 0);
    EXPECT_EQ(xOf(editor, 2) - origin, 40);           // "b" at the first stop
    EXPECT_EQ(xOf(editor, 4) - origin, 100);          // "c" at the second
    EXPECT_EQ(xOf(editor, 6) - origin, 140);          // then the first stop's spacing
    EXPECT_EQ(xOf(editor, 11) - xOf(editor, 9), 40);  // every shown line has them

    // Back to a regular list: the per-line stops go, the uniform width serves.
    editor.setTabSettings("");
    QApplication::processEvents();
    EXPECT_EQ(editor.SendScintilla(EditorView::SCI_GETNEXTTABSTOP, 0, 0L), 0);
}

// Per-line stops grow the component's table up to the last line shown, so
// equally spaced lists, the default one first, must never be set per line.
TEST(EditorTabStops, EquallySpacedListsUseTheUniformWidth) {
    EditorView editor;
    editor.resize(600, 300);
    editor.show();
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "a\tb\r\n";
    editor.loadText(text);
    editor.setTabUnits(2);
    for (const char* list : {"", "31", "31;62;93"}) {
        editor.setTabSettings(list);
        editor.caretToEnd();
        editor.ensureCursorVisible();
        QApplication::processEvents();
        EXPECT_EQ(editor.SendScintilla(EditorView::SCI_GETNEXTTABSTOP, 1998, 0L), 0) << list;
        EXPECT_EQ(editor.SendScintilla(EditorView::SCI_GETNEXTTABSTOP, 0, 0L), 0) << list;
    }
}
