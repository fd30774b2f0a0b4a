#include <gtest/gtest.h>

#include "FindTestDocuments.h"
#include "texttools/ReplaceEngine.h"

using namespace sj;
using sj::test::StringDocument;
using sj::test::StringDocumentSet;

namespace {

struct Fixture {
    FindEngine engine;
    ReplaceEngine replace{engine};
    StringDocumentSet docs;

    void set(const std::string& find, const std::string& with, bool down = true, bool all = false) {
        ReplaceSettings& s = engine.replaceSettings();
        s.setSearchToken(find);
        s.setReplaceToken(with);
        s.options.setDown(down);
        s.searchAll = all;
    }
    void setCase(bool matchCase, bool wholeWord) {
        engine.replaceSettings().options.setMatchCase(matchCase);
        engine.replaceSettings().options.setWholeWord(wholeWord);
    }
};

}  // namespace

TEST(ReplaceEngine, CtrlROnAWordEnablesReplaceAndReplaceSelectsTheNext) {
    Fixture f;
    auto& d = f.docs.add("cat and cat");
    d.select(0, 3);
    const DialogCommand cmd = f.engine.startReplace(f.docs, false, false);
    EXPECT_TRUE(cmd.tokenFromSelection);
    EXPECT_TRUE(f.engine.replaceSettings().replaceEnabled);
    f.engine.replaceSettings().setReplaceToken("dog");
    EXPECT_TRUE(f.replace.checkReplaceable(f.docs));
    const ReplaceStepOutcome step = f.replace.replaceAndFindNext(f.docs);
    EXPECT_TRUE(step.replace.replaced);
    EXPECT_TRUE(step.nextFound);
    EXPECT_EQ(d.str(), "dog and cat");
    EXPECT_EQ(d.selectionStart(), 8u);
    EXPECT_EQ(d.selectionLength(), 3u);
    const ReplaceStepOutcome last = f.replace.replaceAndFindNext(f.docs);
    EXPECT_FALSE(last.nextFound);
    EXPECT_EQ(last.replace.message, "");  // silent at the end
    EXPECT_EQ(d.str(), "dog and dog");
}

TEST(ReplaceEngine, ReplaceUpKeepsTheCaretBeforeTheNewText) {
    Fixture f;
    auto& d = f.docs.add("ab ab");
    f.set("ab", "abab", false);
    d.select(3, 2);
    f.replace.replaceOnce(f.docs);
    EXPECT_EQ(d.str(), "ab abab");
    EXPECT_EQ(d.selectionStart(), 3u);
    ASSERT_TRUE(f.replace.findNextToReplace(f.docs, false).found);
    EXPECT_EQ(d.selectionStart(), 0u);
}

TEST(ReplaceEngine, ReadOnlyDocumentRefusesReplace) {
    Fixture f;
    auto& d = f.docs.add("cat", true);
    f.set("cat", "dog");
    d.select(0, 3);
    const ReplaceOutcome r = f.replace.replaceOnce(f.docs);
    EXPECT_FALSE(r.replaced);
    EXPECT_TRUE(r.beep);
    EXPECT_EQ(r.message, "This document is Read-Only, cannot replace text!");
    EXPECT_EQ(d.str(), "cat");
    const ReplaceAllOutcome all = f.replace.replaceAll(f.docs);
    EXPECT_EQ(all.count, 0u);
    EXPECT_EQ(all.message, "This document is Read-Only, cannot replace text!");
    EXPECT_EQ(d.str(), "cat");
}

TEST(ReplaceEngine, CheckFollowsTheCaseRule) {
    Fixture f;
    auto& d = f.docs.add("Cat");
    f.set("cat", "x");
    d.select(0, 3);
    EXPECT_TRUE(f.replace.checkReplaceable(f.docs));
    f.setCase(true, false);
    EXPECT_FALSE(f.replace.checkReplaceable(f.docs));
}

TEST(ReplaceEngine, ReplaceAllDownStartsAtTheCaretInOneChange) {
    Fixture f;
    auto& d = f.docs.add("cat cat cat cat");
    f.set("cat", "dog");
    d.select(5, 0);  // inside the second cat
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    EXPECT_EQ(r.count, 2u);
    EXPECT_EQ(r.hint, "2 replacement(s) made!");
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(d.str(), "cat cat dog dog");
    EXPECT_EQ(d.replaceCalls, 1);
    EXPECT_EQ(d.selectionStart(), 15u);
}

TEST(ReplaceEngine, ReplaceAllWrapsOnlyWithAllDocuments) {
    Fixture f;
    auto& d = f.docs.add("cat cat cat");
    f.set("cat", "dog", true, true);
    d.select(4, 0);
    EXPECT_EQ(f.replace.replaceAll(f.docs).count, 3u);
    EXPECT_EQ(d.str(), "dog dog dog");
    EXPECT_EQ(d.replaceCalls, 1);
    EXPECT_EQ(d.selectionStart(), 3u);  // after the last one made, in the wrapped part
}

TEST(ReplaceEngine, ReplaceAllUpGoesFromTheSelectionEndBackwards) {
    Fixture f;
    auto& d = f.docs.add("aaaa|aaa");
    f.set("aa", "b", false);
    d.select(2, 5);
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    // Upwards the nearest matches are taken first; the "a" after the selection end stays.
    EXPECT_EQ(d.str(), "bb|ba");
    EXPECT_EQ(r.count, 3u);
    EXPECT_EQ(d.selectionStart(), 0u);
}

TEST(ReplaceEngine, ReplacementContainingTheSearchTextIsNotSearchedAgain) {
    Fixture f;
    auto& d0 = f.docs.add("a cat, a cat");
    auto& d1 = f.docs.add("cat");
    f.set("cat", "cats", true, true);
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    EXPECT_EQ(r.count, 3u);
    EXPECT_EQ(d0.str(), "a cats, a cats");
    EXPECT_EQ(d1.str(), "cats");
}

TEST(ReplaceEngine, CatWithCatAcrossDocumentsEnds) {
    Fixture f;
    auto& d0 = f.docs.add("cat Cat");
    auto& d1 = f.docs.add("CAT");
    f.set("cat", "cat", true, true);
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    // Those that already read "cat" are left alone and not counted.
    EXPECT_EQ(r.count, 2u);
    EXPECT_EQ(d0.str(), "cat cat");
    EXPECT_EQ(d1.str(), "cat");
}

TEST(ReplaceEngine, AllDocumentsPassesOverReadOnlyOnes) {
    Fixture f;
    auto& d0 = f.docs.add("x");
    auto& d1 = f.docs.add("cat", true);
    auto& d2 = f.docs.add("cat cat");
    f.set("cat", "dog", true, true);
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    EXPECT_EQ(r.count, 2u);
    EXPECT_EQ(d0.str(), "x");
    EXPECT_EQ(d1.str(), "cat");
    EXPECT_EQ(d2.str(), "dog dog");
    EXPECT_EQ(f.docs.currentIndex(), 2u);
    EXPECT_EQ(d2.selectionStart(), 7u);
}

TEST(ReplaceEngine, ParagraphTokenInsertsALineBreak) {
    Fixture f;
    auto& d = f.docs.add("one;two");
    f.set(";", "^P");
    EXPECT_EQ(f.replace.replaceAll(f.docs).count, 1u);
    EXPECT_EQ(d.str(), "one\r\ntwo");
}

TEST(ReplaceEngine, ReplaceAllNotFound) {
    Fixture f;
    f.docs.add("abc");
    f.set("x^Ty", "z");
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs);
    EXPECT_EQ(r.count, 0u);
    EXPECT_EQ(r.hint, "0 replacement(s) made!");
    EXPECT_EQ(r.message, "\"x\ty\" not found!");
    EXPECT_FALSE(r.beep);
}

TEST(ReplaceEngine, CancelLeavesADocumentWholeAndCountsOnlyFinishedOnes) {
    Fixture f;
    auto& d0 = f.docs.add(std::string(10, 'a'));
    auto& d1 = f.docs.add(std::string(3 << 20, 'a'));
    f.set("a", "b", true, true);
    int calls = 0;
    const ReplaceAllOutcome r = f.replace.replaceAll(f.docs, [&](std::size_t, std::size_t total) {
        EXPECT_EQ(total, 10u + (3u << 20));
        return ++calls < 2;
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.count, 10u);
    EXPECT_EQ(d0.str(), std::string(10, 'b'));
    EXPECT_EQ(d1.str(), std::string(3 << 20, 'a'));
    EXPECT_EQ(r.message, "");
}

// Replace All must give what replacing one match at a time gives.
TEST(ReplaceEngine, OnePassEqualsReplacingOneAtATime) {
    const char* alphabet[] = {"a", "A", "b", " ", "-", "\xC3\xA9", "\xC3\x89", "\r\n"};
    const char* needles[] = {"a", "aa", "-", "a-", "\xC3\xA9", "a a"};
    const char* repls[] = {"", "a", "x", "aa", "-", " "};
    unsigned seed = 11;
    auto next = [&] { return (seed = seed * 1103515245 + 12345) >> 16; };
    for (int round = 0; round < 600; ++round) {
        std::string text;
        for (int i = 0, n = next() % 16; i < n; ++i) text += alphabet[next() % 8];
        const std::string needle = needles[next() % 6];
        const std::string repl = repls[next() % 6];
        const bool down = next() % 2, matchCase = next() % 2, wholeWord = next() % 2;
        const std::size_t caret = text.empty() ? 0 : (next() % (text.size() + 1));
        std::size_t start = caret;
        while (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) ++start;

        Fixture loop;
        auto& ld = loop.docs.add(text);
        loop.set(needle, repl, down);
        loop.setCase(matchCase, wholeWord);
        ld.select(start, 0);
        std::size_t count = 0;
        while (loop.replace.findNextToReplace(loop.docs, false).found) {
            loop.replace.replaceOnce(loop.docs);
            ++count;
        }

        Fixture one;
        auto& od = one.docs.add(text);
        one.set(needle, repl, down);
        one.setCase(matchCase, wholeWord);
        od.select(start, 0);
        const ReplaceAllOutcome r = one.replace.replaceAll(one.docs);
        ASSERT_EQ(od.str(), ld.str()) << "text '" << text << "' needle '" << needle << "' repl '" << repl
                                      << "' down " << down << " case " << matchCase << " word " << wholeWord;
        EXPECT_EQ(r.count, count);
        if (count > 0) EXPECT_EQ(od.selectionStart(), ld.selectionStart());
    }
}
