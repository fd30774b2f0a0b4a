#include <gtest/gtest.h>

#include "texttools/FindMatcher.h"

using namespace sj;

namespace {

SearchOptions opts(bool matchCase, bool wholeWord) {
    SearchOptions o;
    o.setMatchCase(matchCase);
    o.setWholeWord(wholeWord);
    return o;
}

std::optional<FindMatch> fwd(std::string_view needle, std::string_view text, SearchOptions o = {},
                             std::size_t from = 0) {
    return FindMatcher(needle, o).findForward(text, from, text.size());
}

std::optional<FindMatch> back(std::string_view needle, std::string_view text, std::size_t to,
                              SearchOptions o = {}) {
    return FindMatcher(needle, o).findBackward(text, 0, to);
}

}  // namespace

TEST(FindMatcher, CaseRules) {
    EXPECT_EQ(fwd("CAT", "a cat"), (FindMatch{2, 3}));
    EXPECT_FALSE(fwd("CAT", "a cat", opts(true, false)));
    EXPECT_EQ(fwd("Cat", "cat Cat", opts(true, false)), (FindMatch{4, 3}));
    // Non-ASCII letters fold too, both ways and with different case.
    EXPECT_EQ(fwd("\xC3\xA9t\xC3\xA9", "L'\xC3\x89T\xC3\x89"), (FindMatch{2, 5}));
    EXPECT_EQ(fwd("\xC3\x89T\xC3\x89", "x \xC3\xA9t\xC3\xA9"), (FindMatch{2, 5}));
    EXPECT_FALSE(fwd("\xC3\xA9", "\xC3\x89", opts(true, false)));
    // The Kelvin sign folds onto k: an ASCII needle still finds it.
    EXPECT_EQ(fwd("ok", "o\xE2\x84\xAA!"), (FindMatch{0, 4}));
    EXPECT_EQ(back("ok", "ok o\xE2\x84\xAA", 8), (FindMatch{3, 4}));
    EXPECT_EQ(fwd("\xCE\xA3", "\xCF\x83"), (FindMatch{0, 2}));  // Σ finds σ
}

TEST(FindMatcher, NeverSplitsACharacter) {
    // "é" is C3 A9; a needle of "©" (C2 A9) shares its last byte only.
    EXPECT_FALSE(fwd("\xC2\xA9", "\xC3\xA9"));
    EXPECT_FALSE(fwd("\xC2\xA9", "\xC3\xA9", opts(true, false)));
    // An accented needle in a text of other multi-byte letters.
    EXPECT_EQ(fwd("\xC3\xBC", "\xC3\xA4\xC3\x9C\xC3\xB6"), (FindMatch{2, 2}));
}

TEST(FindMatcher, ForwardRespectsRangeAndOverlaps) {
    EXPECT_EQ(fwd("aa", "aaaa", {}, 1), (FindMatch{1, 2}));
    const FindMatcher m("aa", {});
    EXPECT_FALSE(m.findForward("aaa", 0, 1));
    EXPECT_EQ(m.findForward("xaa", 0, 3), (FindMatch{1, 2}));
    EXPECT_FALSE(m.findForward("xaa", 0, 2));
    EXPECT_FALSE(fwd("a", ""));
    EXPECT_FALSE(fwd("", "abc"));
}

TEST(FindMatcher, BackwardTakesNearestMatchEndingBeforeLimit) {
    EXPECT_EQ(back("ab", "ab ab ab", 8), (FindMatch{6, 2}));
    EXPECT_EQ(back("ab", "ab ab ab", 7), (FindMatch{3, 2}));
    EXPECT_EQ(back("ab", "ab ab ab", 2), (FindMatch{0, 2}));  // at the very first character
    EXPECT_FALSE(back("ab", "ab ab ab", 1));
    EXPECT_EQ(back("aa", "aaa", 3), (FindMatch{1, 2}));
    EXPECT_EQ(back("AB", "ab ab", 5), (FindMatch{3, 2}));
    EXPECT_EQ(back("\xC3\x89", "\xC3\xA9x\xC3\xA9", 5), (FindMatch{3, 2}));
    EXPECT_FALSE(FindMatcher("ab", {}).findBackward("ab ab", 1, 4));
}

TEST(FindMatcher, MatchesAcrossLineBreaks) {
    const std::string text = "one\r\ntwo\r\n";
    EXPECT_EQ(fwd("e\r\nt", text), (FindMatch{2, 4}));
    EXPECT_EQ(fwd("\n", text, {}, 5), (FindMatch{9, 1}));
    EXPECT_EQ(back("\r\n", text, 10), (FindMatch{8, 2}));
}

TEST(FindMatcher, WholeWords) {
    const SearchOptions w = opts(false, true);
    EXPECT_EQ(fwd("cat", "concat cats cat.", w), (FindMatch{12, 3}));
    EXPECT_EQ(fwd("cat", "concat cat_", w), (FindMatch{7, 3}));
    EXPECT_EQ(fwd("cat", "cat", w), (FindMatch{0, 3}));
    // Letters of any script are word characters; "_" separates.
    EXPECT_FALSE(fwd("caf", "caf\xC3\xA9", w));
    EXPECT_EQ(fwd("x", "_x_", w), (FindMatch{1, 1}));
    EXPECT_FALSE(fwd("e", "e\xCC\x81", w));  // e with a combining accent
    EXPECT_EQ(back("cat", "cat concat cats", 15, w), (FindMatch{0, 3}));
    EXPECT_EQ(back("ab", "ab abab", 7, w), (FindMatch{0, 2}));
    // Start of a whole-word candidate overlapping a rejected one.
    EXPECT_EQ(fwd("aa", "aaa aa", w), (FindMatch{4, 2}));
}

TEST(FindMatcher, WordEdgesOverrideTheTextAtRangeEnds) {
    const FindMatcher m("b", opts(false, true));
    // "ab": b is not a whole word, unless what stands before it is a space.
    EXPECT_FALSE(m.findForward("ab", 1, 2));
    EXPECT_EQ(m.findForward("ab", 1, 2, WordEdges{U' ', WordEdges::kFromText}), (FindMatch{1, 1}));
    EXPECT_FALSE(m.findBackward("b c", 0, 1, WordEdges{WordEdges::kFromText, U'x'}));
}

TEST(FindMatcher, WholeEquality) {
    EXPECT_TRUE(FindMatcher("Abc", {}).matchesWhole("aBC"));
    EXPECT_FALSE(FindMatcher("Abc", opts(true, false)).matchesWhole("aBC"));
    EXPECT_FALSE(FindMatcher("Abc", {}).matchesWhole("aBCd"));
    EXPECT_FALSE(FindMatcher("", {}).matchesWhole(""));
    EXPECT_TRUE(FindMatcher::equalIgnoringCase("\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"));
}

TEST(FindMatcher, AgreesWithAPlainScanOnManyTexts) {
    // Every way of searching must find what a position-by-position scan finds.
    const char* alphabet[] = {"a", "A", "b", " ", "\xC3\xA9", "\xC3\x89", "\r\n", "k", "\xE2\x84\xAA"};
    unsigned seed = 7;
    auto next = [&] { return (seed = seed * 1103515245 + 12345) >> 16; };
    for (int round = 0; round < 400; ++round) {
        std::string text, needle;
        for (int i = 0, n = next() % 20; i < n; ++i) text += alphabet[next() % 9];
        for (int i = 0, n = 1 + next() % 3; i < n; ++i) needle += alphabet[next() % 9];
        for (bool matchCase : {false, true}) {
            const FindMatcher m(needle, opts(matchCase, false));
            std::optional<FindMatch> first, last;
            for (std::size_t p = 0; p < text.size(); ++p) {
                if ((static_cast<unsigned char>(text[p]) & 0xC0) == 0x80) continue;
                for (std::size_t e = p + 1; e <= text.size(); ++e) {
                    if (e < text.size() && (static_cast<unsigned char>(text[e]) & 0xC0) == 0x80) continue;
                    const bool eq = matchCase ? text.substr(p, e - p) == needle
                                              : FindMatcher::equalIgnoringCase(text.substr(p, e - p), needle);
                    if (eq) {
                        if (!first) first = FindMatch{p, e - p};
                        last = FindMatch{p, e - p};
                        break;
                    }
                }
            }
            EXPECT_EQ(m.findForward(text, 0, text.size()), first) << text << " / " << needle;
            EXPECT_EQ(m.findBackward(text, 0, text.size()), last) << text << " / " << needle;
        }
    }
}

TEST(FindMatcher, LongTextsFindTheSameAsAPlainSearch) {
    // Long enough for the block-wise scan, with matches at every offset near
    // block edges and letters of both cases around them.
    for (std::size_t at : {0u, 1u, 15u, 16u, 17u, 31u, 200u, 493u}) {
        std::string text(500, 'x');
        for (std::size_t i = 0; i < text.size(); i += 7) text[i] = 'N';
        text.replace(at, 6, "NeeDle");
        for (bool matchCase : {false, true}) {
            const FindMatcher m(matchCase ? "NeeDle" : "needle", opts(matchCase, false));
            EXPECT_EQ(m.findForward(text, 0, text.size()), (FindMatch{at, 6})) << at;
            EXPECT_EQ(m.findBackward(text, 0, text.size()), (FindMatch{at, 6})) << at;
            EXPECT_FALSE(m.findForward(text, at + 1, text.size())) << at;
            EXPECT_FALSE(m.findBackward(text, 0, at + 5)) << at;
        }
    }
}

TEST(FindMatcher, NoCasedCharacterAboveTheFirstTwoPlanes) {
    // The table of case variants covers only the first two planes.
    for (char32_t c = 0x20000; c <= 0x10FFFF; c += 7)
        ASSERT_EQ(FindMatcher::fold(c), c) << static_cast<unsigned>(c);
}
