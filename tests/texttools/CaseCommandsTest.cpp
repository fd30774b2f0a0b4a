#include <gtest/gtest.h>

#include "text/WordSpan.h"
#include "texttools/AppliedChange.h"
#include "texttools/CaseCommands.h"

using namespace sj;

namespace {

std::string selectAllAnd(std::string_view text, CaseChange mode) {
    const auto c = changeSelectionCase(text, 0, text.size(), mode);
    return c ? applyChange(text, *c) : std::string(text);
}

}  // namespace

TEST(ChangeCase, UpperLowerInvertIncludingNonAscii) {
    EXPECT_EQ(changeCase("Hello, W\xC3\xB6rld 1!", CaseChange::Upper), "HELLO, W\xC3\x96RLD 1!");
    EXPECT_EQ(changeCase("Hello, W\xC3\x96RLD", CaseChange::Lower), "hello, w\xC3\xB6rld");
    EXPECT_EQ(changeCase("aBc \xC3\xA9\xC3\x89", CaseChange::Invert), "AbC \xC3\x89\xC3\xA9");
    // No upper-case form: the sharp s stays, and so does the length of everything else.
    EXPECT_EQ(changeCase("stra\xC3\x9F"
                         "e",
                         CaseChange::Upper),
              "STRA\xC3\x9F"
              "E");
    EXPECT_EQ(changeCase("\xCE\xB1\xCE\xB2", CaseChange::Upper), "\xCE\x91\xCE\x92");  // Greek
    // Malformed bytes pass through untouched.
    EXPECT_EQ(changeCase("a\xFF"
                         "b",
                         CaseChange::Upper),
              "A\xFF"
              "B");
    EXPECT_EQ(changeCase("", CaseChange::Invert), "");
}

TEST(ChangeCase, CapitalizeWordRules) {
    EXPECT_EQ(changeCase("hello WORLD", CaseChange::Capitalize), "Hello World");
    EXPECT_EQ(changeCase("don't", CaseChange::Capitalize), "Don't");
    EXPECT_EQ(changeCase("2nd place", CaseChange::Capitalize), "2nd Place");
    EXPECT_EQ(changeCase("foo_bar", CaseChange::Capitalize), "Foo_bar");
    EXPECT_EQ(changeCase("'quoted' and 'more'", CaseChange::Capitalize), "'Quoted' And 'More'");
    EXPECT_EQ(changeCase("#tag $cash x-ray e-mail", CaseChange::Capitalize), "#tag $cash X-Ray E-Mail");
    EXPECT_EQ(changeCase("\xC3\xA9T\xC3\x89 \xC3\xBC"
                         "ber",
                         CaseChange::Capitalize),
              "\xC3\x89t\xC3\xA9 \xC3\x9C"
              "ber");
    EXPECT_EQ(changeCase("one\r\ntwo", CaseChange::Capitalize), "One\r\nTwo");
}

TEST(changeSelectionCase, SelectionIsReselectedWithNewLength) {
    const std::string text = "x \xC3\xA9t\xC3\xA9 y";
    const auto c = changeSelectionCase(text, 2, 5, CaseChange::Upper);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->start, 2u);
    EXPECT_EQ(c->length, 5u);
    EXPECT_EQ(c->replacement, "\xC3\x89T\xC3\x89");
    EXPECT_EQ(c->selStart, 2u);
    EXPECT_EQ(c->selLength, 5u);
    EXPECT_FALSE(changeSelectionCase(text, 3, 0, CaseChange::Upper));
    EXPECT_FALSE(changeSelectionCase("", 0, 0, CaseChange::Capitalize));
    EXPECT_EQ(selectAllAnd("abc", CaseChange::Upper), "ABC");
}

TEST(WidenToWords, PartOfAWordWidensToTheWholeWord) {
    //                      0123456789012345
    const std::string text = "say helLO there";
    const auto r = widenToWords(text, {6, 8});  // "lL"
    EXPECT_EQ(r.start, 4u);
    EXPECT_EQ(r.end, 9u);
    const auto c = changeSelectionCase(text, 6, 2, CaseChange::Capitalize);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange(text, *c), "say Hello there");
    EXPECT_EQ(c->selStart, 4u);
    EXPECT_EQ(c->selLength, 5u);
}

TEST(WidenToWords, DelimitersAtTheEdgesAreSkipped) {
    const std::string text = "a,  (word)  b";
    // Start on delimiters moves forward, end after delimiters moves back.
    const auto r = widenToWords(text, {1, 11});
    EXPECT_EQ(text.substr(r.start, r.end - r.start), "word");
    // Only delimiters selected: end falls before start, nothing to do.
    const WordSpan none = widenToWords(text, {1, 4});
    EXPECT_EQ(none.start, none.end);
    EXPECT_FALSE(changeSelectionCase(text, 1, 3, CaseChange::Capitalize));
}

TEST(WidenToWords, StaysWithinTheLinesOfTheEnds) {
    const std::string text = "first line\r\nsecond";
    // An end at the start of a line steps back before the break.
    auto r = widenToWords(text, {6, 12});
    EXPECT_EQ(text.substr(r.start, r.end - r.start), "line");
    // A start on the delimiters at a line's end moves at most to the line end.
    r = widenToWords(text, {10, 15});
    EXPECT_EQ(r.start, 10u);
    EXPECT_EQ(text.substr(r.start, r.end - r.start), "\r\nsecond");
    const auto c = changeSelectionCase(text, 10, 5, CaseChange::Capitalize);
    ASSERT_TRUE(c);
    EXPECT_EQ(applyChange(text, *c), "first line\r\nSecond");
    // Words made of multi-byte characters widen as a whole.
    const std::string greek = "x \xCE\xB1\xCE\xB2\xCE\xB3 y";
    r = widenToWords(greek, {4, 6});
    EXPECT_EQ(greek.substr(r.start, r.end - r.start), "\xCE\xB1\xCE\xB2\xCE\xB3");
    // The word at the very end of the text (no final break).
    r = widenToWords("ab cd", {4, 5});
    EXPECT_EQ(r.start, 3u);
    EXPECT_EQ(r.end, 5u);
}
