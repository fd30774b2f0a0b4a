#include <gtest/gtest.h>

#include "clipbook/ExpandWord.h"

namespace sj {
namespace {

ClipLibrary library(std::string_view text) {
    ClipLibrary list;
    list.loadFromText(text);
    return list;
}

std::string wordAt(std::string_view text, std::size_t start, std::size_t end) {
    WordSpan r = widenToWords(text, {start, end});
    return std::string(text.substr(r.start, r.end - r.start));
}

TEST(ExpandWordWiden, EachEndMovesWithinItsLine) {
    const std::string t = "one two-three\r\nfour, five\r\n";
    EXPECT_EQ(wordAt(t, 1, 2), "one");
    EXPECT_EQ(wordAt(t, 5, 10), "two-three");      // each end completes its own word
    EXPECT_EQ(wordAt(t, 3, 6), "two");             // a start on a blank moves forward
    EXPECT_EQ(wordAt(t, 0, 15), "one two-three");  // an end at a line start moves before the break
    EXPECT_EQ(wordAt(t, 15, 21), "four");          // an end after ", " moves back over the delimiters
    EXPECT_EQ(wordAt(t, 13, 13), "");         // a start at the line end stays; the end is never before it
    EXPECT_EQ(wordAt("ab\ncd", 0, 3), "ab");  // a lone line feed is one character
}

TEST(ExpandWordWiden, MultiByteCharactersAreWordCharacters) {
    const std::string t = "x caf\xC3\xA9s y";
    EXPECT_EQ(wordAt(t, 4, 5), "caf\xC3\xA9s");
}

TEST(ExpandWord, CaretAfterWordAtLineEndFindsTitleIgnoringCase) {
    ClipLibrary list = library("=MultiLine\r\n\r\nH=Sig\r\nRegards\r\n");
    const std::string t = "Thanks sig\r\nnext";
    ExpandWordResult r = expandWord(t, {10, 10}, list);
    EXPECT_EQ(r.outcome, ExpandOutcome::Found);
    EXPECT_EQ(r.selection, (WordSpan{7, 10}));
    EXPECT_EQ(r.itemIndex, 0);
}

TEST(ExpandWord, LookupPrefersExactThenCaselessThenFirstPrefix) {
    ClipLibrary list = library(
        "=MultiLine\r\n\r\nH=address\r\n1\r\n\r\nH=addressee\r\n2\r\n\r\nH=Addr\r\n3\r\n\r\nH=addr\r\n4\r\n");
    EXPECT_EQ(list.item(static_cast<std::size_t>(lookupClipTitle(list, "addr"))).body.text(), "4");
    EXPECT_EQ(list.item(static_cast<std::size_t>(lookupClipTitle(list, "ADDR"))).body.text(), "3");
    EXPECT_EQ(list.item(static_cast<std::size_t>(lookupClipTitle(list, "addre"))).body.text(), "1");
    EXPECT_EQ(lookupClipTitle(list, "adds"), -1);
    EXPECT_EQ(lookupClipTitle(list, ""), -1);
}

TEST(ExpandWord, CaretInsideWordUsesFirstPrefixInSortedList) {
    ClipLibrary list = library("=MultiLine\r\n\r\nH=addressee\r\n2\r\n\r\nH=address\r\n1\r\n");
    ExpandWordResult r = expandWord("my addr here", {5, 5}, list);
    EXPECT_EQ(r.outcome, ExpandOutcome::Found);
    EXPECT_EQ(r.selection, (WordSpan{3, 7}));
    EXPECT_EQ(list.item(static_cast<std::size_t>(r.itemIndex)).title, "address");
}

TEST(ExpandWord, NothingBetweenBlanksOrInEmptyText) {
    ClipLibrary list = library("=MultiLine\r\n\r\nx\r\n");
    ExpandWordResult r = expandWord("a  b", {2, 2}, list);
    EXPECT_EQ(r.outcome, ExpandOutcome::NoWord);
    EXPECT_EQ(r.selection, (WordSpan{1, 2}));  // the character tried last stays selected
    EXPECT_EQ(expandWord("", {0, 0}, list).outcome, ExpandOutcome::NoWord);
    EXPECT_EQ(expandWord(" x", {0, 0}, list).selection, (WordSpan{0, 1}));
}

TEST(ExpandWord, SelectedPhraseIsLookedUpWhole) {
    ClipLibrary list = library("=MultiLine\r\n\r\nH=kind regards\r\nK\r\n\r\nH=kind\r\nk\r\n");
    ExpandWordResult r = expandWord("with kind regards.", {6, 14}, list);
    EXPECT_EQ(r.selection, (WordSpan{5, 17}));
    EXPECT_EQ(list.item(static_cast<std::size_t>(r.itemIndex)).title, "kind regards");
}

TEST(ExpandWord, NotFoundAndReadOnlyKeepTheWordSelected) {
    ClipLibrary list = library("=MultiLine\r\n\r\nzeta\r\n");
    ExpandWordResult r = expandWord("alpha", {0, 0}, list);
    EXPECT_EQ(r.outcome, ExpandOutcome::NotFound);
    EXPECT_EQ(r.selection, (WordSpan{0, 5}));
    r = expandWord("zeta", {4, 4}, list, true);
    EXPECT_EQ(r.outcome, ExpandOutcome::ReadOnly);
    EXPECT_EQ(r.selection, (WordSpan{0, 4}));
}

}  // namespace
}  // namespace sj
