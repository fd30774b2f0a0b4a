#include <gtest/gtest.h>

#include "texttools/AppliedChange.h"
#include "texttools/InsertCommands.h"
#include "texttools/SpacingCommands.h"

using namespace sj;

TEST(ConvertSpaces, RunsCollapseLoneSpacesStay) {
    EXPECT_EQ(collapseSpaces("a  b   c", SpaceMode::SingleTab), "a\tb\tc");
    EXPECT_EQ(collapseSpaces("a b  c", SpaceMode::SingleTab), "a b\tc");
    EXPECT_EQ(collapseSpaces("a  b   c", SpaceMode::SingleSpace), "a b c");
    EXPECT_EQ(collapseSpaces("  lead\t\t tail  ", SpaceMode::SingleTab), "\tlead\t\t tail\t");
    EXPECT_EQ(collapseSpaces("  \xC3\xA9  ", SpaceMode::SingleSpace), " \xC3\xA9 ");
    EXPECT_EQ(collapseSpaces("", SpaceMode::SingleSpace), "");
    EXPECT_EQ(collapseSpaces(" ", SpaceMode::SingleTab), " ");
}

TEST(ConvertSpaces, ShortSelectionMeansWholeDocument) {
    const std::string text = "a  b\r\nc   d";
    for (const std::size_t len : {0u, 1u, 2u}) {
        const auto c = ConvertSpaces(text, 1, len, SpaceMode::SingleSpace);
        ASSERT_TRUE(c);
        EXPECT_EQ(applyChange(text, *c), "a b\r\nc d");
        EXPECT_EQ(c->selStart, 0u);
        EXPECT_EQ(c->selLength, 8u);
    }
    // Two characters that take five bytes are still fewer than three characters.
    const std::string wide = "\xC3\xA9\xE2\x82\xAC  x  y";
    auto c = ConvertSpaces(wide, 0, 5, SpaceMode::SingleTab);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange(wide, *c), "\xC3\xA9\xE2\x82\xAC\tx\ty");
    // Three characters: only the selection, selected from its start.
    c = ConvertSpaces(text, 6, 5, SpaceMode::SingleTab);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange(text, *c), "a  b\r\nc\td");
    EXPECT_EQ(c->selStart, 6u);
    EXPECT_EQ(c->selLength, 3u);
    EXPECT_FALSE(ConvertSpaces("", 0, 0, SpaceMode::SingleTab));
}

TEST(SBPasteTimeClick, DateGoesOnALineOfItsOwn) {
    const std::string date = "D";
    // Mid last line: a break is added, then the date and a break.
    auto c = SBPasteTimeClick("one\r\ntwo", 6, date, false);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange("one\r\ntwo", *c), "one\r\ntwo\r\nD\r\n");
    EXPECT_EQ(c->selStart, 13u);
    EXPECT_EQ(c->selLength, 0u);
    // Mid an inner line: at the start of the next line.
    c = SBPasteTimeClick("one\r\ntwo", 1, date, false);
    EXPECT_EQ(applyChange("one\r\ntwo", *c), "one\r\nD\r\ntwo");
    // Column 1: at the caret's line start.
    c = SBPasteTimeClick("one\r\ntwo", 5, date, false);
    EXPECT_EQ(applyChange("one\r\ntwo", *c), "one\r\nD\r\ntwo");
    // After a final break the caret is already in column 1 of a new line.
    c = SBPasteTimeClick("one\r\n", 5, date, false);
    EXPECT_EQ(applyChange("one\r\n", *c), "one\r\nD\r\n");
    c = SBPasteTimeClick("one\r\n", 2, date, false);
    EXPECT_EQ(applyChange("one\r\n", *c), "one\r\nD\r\n");
    // Empty document; caret between CR and LF never splits the break.
    c = SBPasteTimeClick("", 0, date, false);
    EXPECT_EQ(applyChange("", *c), "D\r\n");
    c = SBPasteTimeClick("ab\r\ncd", 3, date, false);
    EXPECT_EQ(applyChange("ab\r\ncd", *c), "ab\r\nD\r\ncd");
    EXPECT_FALSE(SBPasteTimeClick("x", 0, date, true));
}

TEST(insertFormFeed, FormFeedAtALineStart) {
    auto c = insertFormFeed("abc\r\ndef", 1, false);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange("abc\r\ndef", *c), "abc\r\n\f\r\ndef");
    EXPECT_EQ(c->selStart, 8u);
    c = insertFormFeed("abc\r\ndef", 5, false);
    EXPECT_EQ(applyChange("abc\r\ndef", *c), "abc\r\n\f\r\ndef");
    c = insertFormFeed("abc", 1, false);
    EXPECT_EQ(applyChange("abc", *c), "abc\f\r\n");
    c = insertFormFeed("", 0, false);
    EXPECT_EQ(applyChange("", *c), "\f\r\n");
    EXPECT_FALSE(insertFormFeed("abc", 0, true));
}
