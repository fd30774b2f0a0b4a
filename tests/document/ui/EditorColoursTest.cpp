#include <gtest/gtest.h>

#include "config/Options.h"
#include "document/ui/EditorFont.h"
#include "document/ui/EditorView.h"

using namespace sj;

TEST(EditorColours, StoredValuesMapToSystemOrRgbColours) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    EXPECT_EQ(storedColor(Options::kSystemWindowColor, palette), QColor(1, 2, 3));
    EXPECT_EQ(storedColor(-2147483640, palette), QColor(4, 5, 6));  // window text
    EXPECT_EQ(storedColor(0, palette), QColor(Qt::black));
    EXPECT_EQ(storedColor(0x0000FF, palette), QColor(255, 0, 0));  // stored as 0x00BBGGRR
    EXPECT_EQ(colorToStored(QColor(255, 0, 0)), 0x0000FF);
}

TEST(EditorColours, PageAndTextColoursReachTheWholeText) {
    EditorView editor;
    editor.loadText("abc\r\n");
    editor.setTextColours(QColor(10, 20, 30), QColor(200, 210, 220));
    editor.setFont(QFont(QStringLiteral("Courier New"), 12));  // a new font keeps the colours
    EXPECT_EQ(editor.SendScintilla(EditorView::SCI_STYLEGETFORE, 0), 10 | (20 << 8) | (30 << 16));
    EXPECT_EQ(editor.SendScintilla(EditorView::SCI_STYLEGETBACK, 0), 200 | (210 << 8) | (220 << 16));
}
