#include "clipbook/PromptField.h"

#include <gtest/gtest.h>

#include "clipbook/ClipExpander.h"
#include "clipbook/ExpansionFakes.h"

namespace sj {
namespace {

using testing::ScriptedPrompts;

struct Prompts : ::testing::Test {
    ScriptedPrompts host;
    std::string selection;

    // Expanded text, or "<cancelled>".
    std::string expand(const std::string& body) {
        ExpansionText text(body);
        if (!ClipExpander::askPromptFields(text, selection, host)) return "<cancelled>";
        return text.text();
    }
};

TEST(PromptParse, LabelDefaultAndLists) {
    PromptQuestion q = PromptField::parse(ExpansionText("Name"));
    EXPECT_EQ(q.label, "Name");
    EXPECT_FALSE(q.isList);
    EXPECT_EQ(q.defaultText, "");

    q = PromptField::parse(ExpansionText("a=b=c"));
    EXPECT_EQ(q.label, "a");
    EXPECT_EQ(q.defaultText, "b=c");
    EXPECT_FALSE(q.mustPick);

    q = PromptField::parse(ExpansionText("Colour==red|_green|blue"));
    EXPECT_TRUE(q.isList);
    EXPECT_TRUE(q.mustPick);
    ASSERT_EQ(q.entries.size(), 3u);
    EXPECT_EQ(q.entries[1].shown, "green");
    EXPECT_EQ(q.selected, 1);

    q = PromptField::parse(ExpansionText("L=a||b|"));
    ASSERT_EQ(q.entries.size(), 3u);
    EXPECT_EQ(q.entries[1].shown, "");
    EXPECT_EQ(q.entries[2].shown, "b");
    EXPECT_EQ(q.selected, -1);

    q = PromptField::parse(ExpansionText("L=|"));
    ASSERT_EQ(q.entries.size(), 1u);
    EXPECT_EQ(q.entries[0].shown, "");

    q = PromptField::parse(ExpansionText("L=_a|_b|c"));
    EXPECT_EQ(q.selected, 1);

    q = PromptField::parse(ExpansionText("Size=Small^=S|_Large^=L^=XL|Any"));
    ASSERT_EQ(q.entries.size(), 3u);
    EXPECT_EQ(q.entries[0].shown, "Small");
    EXPECT_EQ(q.entries[0].value, "S");
    EXPECT_EQ(q.entries[1].shown, "Large");
    EXPECT_EQ(q.entries[1].value, "L^=XL");
    EXPECT_EQ(q.selected, 1);
    EXPECT_FALSE(q.entries[2].value.has_value());
}

TEST(PromptParse, LabelCutToEightyCharacters) {
    std::string longLabel;
    for (int i = 0; i < 100; ++i) longLabel += "\xC3\xA9";  // é
    PromptQuestion q = PromptField::parse(ExpansionText(longLabel + "=x"));
    EXPECT_EQ(q.label, longLabel.substr(0, 160));
}

TEST(PromptParse, InsertedSeparatorsDoNotSplit) {
    ExpansionText content("File=");
    content.appendValue("/d/a|b=c_^=d.txt");
    PromptQuestion q = PromptField::parse(content);
    EXPECT_FALSE(q.isList);
    EXPECT_EQ(q.defaultText, "/d/a|b=c_^=d.txt");

    ExpansionText named;
    named.appendValue("x=y");
    named.appendCode("=z");
    EXPECT_EQ(PromptField::name(named), "x=y");
}

TEST_F(Prompts, AnswersAreReusedByNameIgnoringCase) {
    host.answer("Ann");
    EXPECT_EQ(expand("^?[Name] and ^?[name=x] and ^?[NAME==a|b]"), "Ann and Ann and Ann");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].caption, "Complete Clipbook Item...");
    EXPECT_EQ(host.asked[0].label, "Name");

    host.asked.clear();
    host.answer("1");
    EXPECT_EQ(expand("^?[\xC3\x84rger] ^?[\xC3\xA4rger]"), "1 1");
    EXPECT_EQ(host.asked.size(), 1u);
}

TEST_F(Prompts, BarePromptsAskEveryTime) {
    host.answer("X");
    host.answer("Y");
    host.answer("Z");
    EXPECT_EQ(expand("a^?bc ^?[]d ^?xy"), "aXbc Yd Zxy");
    ASSERT_EQ(host.asked.size(), 3u);
    for (const auto& q : host.asked) {
        EXPECT_EQ(q.label, "Complete Clipbook item");
        EXPECT_EQ(q.defaultText, "");
        EXPECT_FALSE(q.combo);
    }
}

TEST_F(Prompts, TrailingFieldsStayInTheText) {
    EXPECT_EQ(expand("ends in ^?"), "ends in ^?");
    EXPECT_EQ(expand("ends in ^?x"), "ends in ^?x");
    EXPECT_TRUE(host.asked.empty());
    host.answer("Q");
    EXPECT_EQ(expand("^?[abc"), "Q[abc");
}

TEST_F(Prompts, OneLineQuestion) {
    host.answer("");
    EXPECT_EQ(expand("<^?[Name=Bob]>"), "<>");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_FALSE(host.asked[0].combo);
    EXPECT_EQ(host.asked[0].defaultText, "Bob");
}

TEST_F(Prompts, MustPickList) {
    host.answer("blue", 2);
    EXPECT_EQ(expand("^?[Colour==red|_green|blue]"), "blue");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_TRUE(host.asked[0].combo);
    EXPECT_TRUE(host.asked[0].mustPick);
    EXPECT_EQ(host.asked[0].entries, (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_EQ(host.asked[0].selected, 1);

    host.answer("purple");
    EXPECT_EQ(expand("^?[Colour==red|_green|blue]"), "<cancelled>");
    host.answer("");
    EXPECT_EQ(expand("^?[Colour==red||blue]"), "<cancelled>");
}

TEST_F(Prompts, FreeListAcceptsTypedAndEmptyAnswers) {
    host.answer("purple");
    EXPECT_EQ(expand("^?[Colour=red|blue]"), "purple");
    EXPECT_FALSE(host.asked[0].mustPick);
    host.answer("");
    EXPECT_EQ(expand("[^?[Colour=red|blue]]"), "[]");
}

TEST_F(Prompts, EntryValues) {
    host.answer("Large", 1);
    EXPECT_EQ(expand("^?[Size=Small^=S|Large^=L]"), "L");
    EXPECT_EQ(host.asked[0].entries, (std::vector<std::string>{"Small", "Large"}));
    host.answer("Small");  // typed, not picked: still the entry's value
    EXPECT_EQ(expand("^?[Size=Small^=S|Large^=L]"), "S");
    host.answer("Medium");
    EXPECT_EQ(expand("^?[Size=Small^=S|Large^=L]"), "Medium");
    host.answer("Huge", 1);  // entry index left over after editing the text
    EXPECT_EQ(expand("^?[Size=Small^=S|Large^=L]"), "Huge");
}

TEST_F(Prompts, SelectionAsAnswer) {
    selection = "picked text";
    EXPECT_EQ(expand("[^?[Text=^&]] [^?[text]]"), "[picked text] [picked text]");
    EXPECT_TRUE(host.asked.empty());

    selection.clear();
    host.answer("typed");
    EXPECT_EQ(expand("[^?[Text=^&]]"), "[typed]");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].label, "Text");
    EXPECT_EQ(host.asked[0].defaultText, "");
}

TEST_F(Prompts, AnswersAreNeverReadAsCode) {
    host.answer("^?[B] ^[x^] ^&");
    host.answer("b");
    EXPECT_EQ(expand("^?[A] ^?[B]"), "^?[B] ^[x^] ^& b");
    EXPECT_EQ(host.asked.size(), 2u);
}

TEST_F(Prompts, CancelStopsAtOnce) {
    host.cancel();
    EXPECT_EQ(expand("^?[A] ^?[B]"), "<cancelled>");
    EXPECT_EQ(host.asked.size(), 1u);
}

}  // namespace
}  // namespace sj
