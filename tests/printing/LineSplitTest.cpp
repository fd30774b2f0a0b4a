#include <gtest/gtest.h>

#include "printing/FixedWidthMeasure.h"
#include "printing/LineSplit.h"
#include "printing/TabbedText.h"
#include "text/CharClass.h"

namespace sj {
namespace {

// Ten pixels a character: a width of 100 holds ten characters.
struct Split {
    FixedWidthMeasure font{10, 20};
    TabbedText measure{font, {}, true};
    LineSplit operator()(std::string_view s, int width = 100) const {
        return LineSplit::split(s, width, measure);
    }
};

}  // namespace

TEST(LineSplit, WhatFitsStaysWhole) {
    Split split;
    EXPECT_EQ(split("").line, "");
    EXPECT_EQ(split("").rest, "");
    EXPECT_EQ(split("0123456789").line, "0123456789");
    EXPECT_EQ(split("0123456789").rest, "");
}

TEST(LineSplit, BreaksAfterTheLastBlankThatFits) {
    Split split;
    const LineSplit s = split("one two three four");
    EXPECT_EQ(s.line, "one two");
    EXPECT_EQ(s.rest, "three four");
    // A word ending right at the margin, followed by a blank, moves down when an
    // earlier blank exists.
    const LineSplit exact = split("abc defghi jk");
    EXPECT_EQ(exact.line, "abc");
    EXPECT_EQ(exact.rest, "defghi jk");
}

TEST(LineSplit, ALineWithoutSeparatorIsCutNeverDropped) {
    Split split;
    const LineSplit s = split("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(s.line, "abcdefghij");
    EXPECT_EQ(s.rest, "klmnopqrstuvwxyz");
    // Narrower than one character: one character per line, nothing lost.
    const LineSplit narrow = split("xyz", 5);
    EXPECT_EQ(narrow.line, "x");
    EXPECT_EQ(narrow.rest, "yz");
}

TEST(LineSplit, BracketsStayWithTheirWordAndHyphensEndTheLine) {
    Split split;
    const LineSplit bracket = split("abc (defghij");
    EXPECT_EQ(bracket.line, "abc");
    EXPECT_EQ(bracket.rest, "(defghij");
    const LineSplit hyphen = split("well-known words");
    EXPECT_EQ(hyphen.line, "well-");
    EXPECT_EQ(hyphen.rest, "known words");
    EXPECT_FALSE(charclass::isSplitWordChar('-'));
    EXPECT_TRUE(charclass::isSplitWordChar('@'));
    EXPECT_TRUE(charclass::isSplitWordChar(U'\u00e9'));
}

TEST(LineSplit, MultiByteCharactersAreNeverSplit) {
    Split split;
    const LineSplit s = split("\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc");
    EXPECT_EQ(s.line, "\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4");
    EXPECT_EQ(s.rest, "\u00f6\u00fc");
}

TEST(LineSplit, TrailingBlanksAreCountedForTheFormFeedCase) {
    Split split;
    const LineSplit s = split("abc   defghijkl");
    EXPECT_EQ(s.line, "abc");
    EXPECT_EQ(s.trimmedBlanks, 3u);
    EXPECT_EQ(s.rest, "defghijkl");
}

TEST(TabbedText, TabsFallEveryEightCharactersOrOnTheStops) {
    FixedWidthMeasure font(10, 20);
    const TabbedText every8(font, {}, true);
    EXPECT_EQ(every8.width("a\tb"), 90);
    const std::vector<TextRun> runs = every8.runs("ab\tc\td", 50);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].x, 130);
    EXPECT_EQ(runs[2].x, 210);

    const TabbedText stops(font, TabbedText::stopsInPixels("0.5;1.25", LengthUnits::Inches, 100), true);
    EXPECT_EQ(stops.width("\t"), 50);
    EXPECT_EQ(stops.width("\t\t"), 125);
    EXPECT_EQ(stops.width("\t\t\t"), 175);  // extended by the first stop's distance

    const TabbedText noTabs(font, {}, false);
    EXPECT_EQ(noTabs.width("a\tb"), 30);
}

TEST(TabbedText, StopsConvertByUnitAndCharactersGiveNone) {
    EXPECT_TRUE(TabbedText::stopsInPixels("1;2", LengthUnits::Characters, 300).empty());
    const std::vector<int> cm = TabbedText::stopsInPixels("2.54", LengthUnits::Centimeters, 300);
    ASSERT_EQ(cm.size(), 32u);
    EXPECT_EQ(cm[0], 300);
    EXPECT_EQ(cm[31], 9600);
    EXPECT_EQ(TabbedText::stopsInPixels("40;0.001;40", LengthUnits::Pixels, 0)[1], 80);
}

}  // namespace sj
