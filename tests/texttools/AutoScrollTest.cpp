#include <gtest/gtest.h>

#include "texttools/AutoScroll.h"
#include "texttools/DocumentSelectorList.h"
#include "texttools/JumpToLine.h"

using namespace sj;

TEST(AutoScroll, IntervalFollowsLineLengthAndSpeed) {
    EXPECT_EQ(AutoScroll::intervalMs("abcdefghij", 15), 10u * 66 + 1);
    EXPECT_EQ(AutoScroll::intervalMs("abc\r\n", 1), 3001u);
    EXPECT_EQ(AutoScroll::intervalMs("", 15), 1u);
    EXPECT_EQ(AutoScroll::intervalMs("\xC3\xA9\xC3\xA9", 100), 21u);  // characters, not bytes
    EXPECT_EQ(AutoScroll::intervalMs("abc", 2000), 1u);
    EXPECT_EQ(AutoScroll::intervalMs("abc", 0), 0u);  // speed 0: the timer stops
}

TEST(AutoScroll, SpeedTextFallsBackTo15) {
    EXPECT_EQ(AutoScroll::parseSpeed("40"), 40);
    EXPECT_EQ(AutoScroll::parseSpeed("0"), 0);
    EXPECT_EQ(AutoScroll::parseSpeed(""), 15);
    EXPECT_EQ(AutoScroll::parseSpeed("4x"), 15);
    EXPECT_EQ(AutoScroll::parseSpeed("70000"), 15);
    EXPECT_EQ(AutoScroll::parseSpeed("65535"), 65535);
}

TEST(AutoScroll, ShortDocumentDoesNotScrollAndPausesAtTheEnd) {
    AutoScroll a(3, 0, 20);
    EXPECT_FALSE(a.tick().scrollDown);  // paused: nothing happens
    EXPECT_EQ(a.currentLine(), 1u);
    a.play("15");
    EXPECT_FALSE(a.tick().scrollDown);
    EXPECT_FALSE(a.tick().scrollDown);
    EXPECT_EQ(a.currentLine(), 3u);
    const AutoScroll::Tick end = a.tick();
    EXPECT_TRUE(end.caretToStart);
    EXPECT_FALSE(a.playing());
    EXPECT_EQ(a.currentLine(), 1u);
}

TEST(AutoScroll, LongDocumentScrollsOneLinePerTick) {
    AutoScroll a(100, 10, 20);  // reading line 11
    a.play("15");
    for (int i = 0; i < 70; ++i) ASSERT_TRUE(a.tick().scrollDown) << i;
    EXPECT_EQ(a.currentLine(), 81u);
    EXPECT_FALSE(a.tick().scrollDown);  // the last page is in view
}

TEST(AutoScroll, RewindAndForwardMoveByAPage) {
    AutoScroll a(100, 4, 20);
    a.play("10");
    EXPECT_EQ(a.rewind(), 4u);  // only up to the first line
    EXPECT_FALSE(a.playing());
    EXPECT_EQ(a.currentLine(), 1u);
    EXPECT_EQ(a.rewind(), 0u);
    EXPECT_EQ(a.forward(), 20u);
    EXPECT_EQ(a.currentLine(), 21u);
    AutoScroll nearEnd(100, 85, 20);
    EXPECT_EQ(nearEnd.forward(), 0u);
}

TEST(JumpToLine, PromptAndTargets) {
    EXPECT_EQ(jumptoline::prompt(42), "Jump to line [1 to 42]");
    EXPECT_EQ(jumptoline::target("0", 42, 5), 1u);
    EXPECT_EQ(jumptoline::target("99", 42, 5), 42u);
    EXPECT_EQ(jumptoline::target("9999999999", 42, 5), 42u);
    EXPECT_EQ(jumptoline::target("7", 42, 5), 7u);
    EXPECT_EQ(jumptoline::target("5", 42, 5), std::nullopt);  // the current line
    EXPECT_EQ(jumptoline::target("", 42, 5), std::nullopt);
    EXPECT_EQ(jumptoline::target("3a", 42, 5), std::nullopt);
    EXPECT_FALSE(jumptoline::acceptsChar(U'a'));
    EXPECT_TRUE(jumptoline::acceptsChar(U'7'));
    EXPECT_TRUE(jumptoline::acceptsChar(8));
}

TEST(DocumentSelectorList, SortsWithoutRegardToCase) {
    DocumentSelectorList list({"beta.txt", "Alpha.txt", "BETA.txt", "alpha2.txt", "\xC3\x89t\xC3\xA9.txt"});
    EXPECT_EQ(list.titles(), (std::vector<std::string>{"Alpha.txt", "alpha2.txt", "BETA.txt", "beta.txt",
                                                       "\xC3\x89t\xC3\xA9.txt"}));
    EXPECT_EQ(list.caption(), "Document Selector [5]");
    EXPECT_EQ(list.add("Beta.txt"), 3u);
    list.remove("alpha2.txt");
    EXPECT_EQ(list.caption(), "Document Selector [5]");
    EXPECT_EQ(list.replace("Alpha.txt", "zeta.txt"), 3u);  // before the accented title
    EXPECT_EQ(list.replace("missing", "x"), std::nullopt);
    EXPECT_EQ(list.indexOf("BETA.txt"), 0u);
}
