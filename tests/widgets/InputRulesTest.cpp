// The input controls' rules: editing menu enabling, overwrite selection and
// combo box validation.
#include <gtest/gtest.h>

#include "widgets/InputRules.h"

namespace sj {
namespace {

bool on(const std::array<bool, 10>& e, InputMenuItem item) {
    return e[static_cast<int>(item)];
}

TEST(InputMenuTest, ReadOnlyFieldOffersOnlyCopyAndSelectAll) {
    InputFieldState s;
    s.readOnly = true;
    s.empty = false;
    s.hasSelection = true;
    s.changedSinceEntry = true;
    s.clipboardHasText = true;
    const auto e = inputMenuEnabled(s);
    for (int i = 0; i < 10; ++i) {
        const auto item = static_cast<InputMenuItem>(i);
        EXPECT_EQ(e[i], item == InputMenuItem::Copy || item == InputMenuItem::SelectAll) << i;
    }
    s.hasSelection = false;
    EXPECT_FALSE(on(inputMenuEnabled(s), InputMenuItem::Copy));
}

TEST(InputMenuTest, EnablingFollowsSelectionClipboardAndContents) {
    InputFieldState s;
    auto e = inputMenuEnabled(s);
    EXPECT_FALSE(on(e, InputMenuItem::Undo));
    EXPECT_FALSE(on(e, InputMenuItem::Cut));
    EXPECT_FALSE(on(e, InputMenuItem::Paste));
    EXPECT_FALSE(on(e, InputMenuItem::Clear));
    EXPECT_FALSE(on(e, InputMenuItem::SelectAll));
    EXPECT_TRUE(on(e, InputMenuItem::Overwrite));

    s.empty = false;
    s.changedSinceEntry = true;
    s.clipboardHasText = true;
    s.hasSelection = true;
    e = inputMenuEnabled(s);
    EXPECT_TRUE(on(e, InputMenuItem::Undo));
    EXPECT_TRUE(on(e, InputMenuItem::Cut));
    EXPECT_TRUE(on(e, InputMenuItem::Delete));
    EXPECT_TRUE(on(e, InputMenuItem::Paste));
    EXPECT_TRUE(on(e, InputMenuItem::Clear));
    EXPECT_TRUE(on(e, InputMenuItem::SelectAll));

    // Everything selected already: an enhanced field has nothing more to select.
    s.allSelected = true;
    EXPECT_FALSE(on(inputMenuEnabled(s), InputMenuItem::SelectAll));
    s.enhanced = false;
    EXPECT_TRUE(on(inputMenuEnabled(s), InputMenuItem::SelectAll));
}

TEST(InputMenuTest, PlainEditsUndoThroughTheToolkitAndHaveNoOverwrite) {
    InputFieldState s;
    s.enhanced = false;
    s.changedSinceEntry = true;
    EXPECT_FALSE(on(inputMenuEnabled(s), InputMenuItem::Undo));
    s.systemCanUndo = true;
    EXPECT_TRUE(on(inputMenuEnabled(s), InputMenuItem::Undo));
    EXPECT_FALSE(on(inputMenuEnabled(s), InputMenuItem::Overwrite));
    EXPECT_FALSE(on(inputMenuEnabled(s), InputMenuItem::FirstSeparator));
}

TEST(OverwriteSpanTest, SelectsOneWholeCharacterButNeverALineBreak) {
    EXPECT_EQ(overwriteSpan("abc", 0), 1u);
    EXPECT_EQ(overwriteSpan("abc", 3), 0u);
    EXPECT_EQ(overwriteSpan("a\r\nb", 1), 0u);
    EXPECT_EQ(overwriteSpan("a\nb", 1), 0u);
    EXPECT_EQ(overwriteSpan("\xc3\xa9x", 0), 2u);     // é
    EXPECT_EQ(overwriteSpan("\xe2\x82\xac", 0), 3u);  // €
    EXPECT_EQ(overwriteSpan("\xe2\x82\xac", 1), 3u);  // inside: the whole character
    EXPECT_EQ(overwriteSpan("", 0), 0u);
}

const std::vector<std::string> kItems = {"Red", "Green", "Blue"};

TEST(ComboValidationTest, EmptyTextNeedsAllowNull) {
    ComboRules rules;
    auto out = validateComboText("", "Red", kItems, rules, nullptr);
    EXPECT_FALSE(out.restored);
    EXPECT_EQ(out.text, "");
    EXPECT_EQ(out.selected, -1);
    rules.allowNull = false;
    out = validateComboText("", "Red", kItems, rules, nullptr);
    EXPECT_TRUE(out.restored);
    EXPECT_EQ(out.text, "Red");
    EXPECT_EQ(out.selected, 0);
}

TEST(ComboValidationTest, LimitToListRestoresOrTakesTheOwnersText) {
    ComboRules rules;
    rules.limitToList = true;
    auto out = validateComboText("Purple", "Green", kItems, rules, nullptr);
    EXPECT_TRUE(out.restored);
    EXPECT_EQ(out.text, "Green");
    EXPECT_EQ(out.selected, 1);

    std::string asked;
    out = validateComboText("Purple", "Green", kItems, rules, [&](const std::string& t) {
        asked = t;
        return NotInListAnswer{false, std::string("Blue")};
    });
    EXPECT_EQ(asked, "Purple");
    EXPECT_FALSE(out.restored);
    EXPECT_EQ(out.text, "Blue");
    EXPECT_EQ(out.selected, 2);
    EXPECT_EQ(out.addAt, -1);
}

TEST(ComboValidationTest, ListItemsMatchIgnoringCaseUnlessCaseSensitive) {
    ComboRules rules;
    rules.limitToList = true;
    auto out = validateComboText("blue", "Red", kItems, rules, nullptr);
    EXPECT_FALSE(out.restored);
    EXPECT_EQ(out.selected, 2);
    rules.caseSensitive = true;
    out = validateComboText("blue", "Red", kItems, rules, nullptr);
    EXPECT_TRUE(out.restored);
    EXPECT_EQ(out.text, "Red");
    EXPECT_EQ(findComboItem(kItems, "GREEN", false), 1);
    EXPECT_EQ(findComboItem(kItems, "\xc3\x89", false), -1);
}

TEST(ComboValidationTest, AddNewToListAddsWhatTheOwnerAccepts) {
    ComboRules rules;
    rules.addNewToList = true;
    auto accept = [](const std::string&) { return NotInListAnswer{true, std::nullopt}; };
    auto decline = [](const std::string&) { return NotInListAnswer{}; };
    auto out = validateComboText("Purple", "Red", kItems, rules, accept);
    EXPECT_EQ(out.addAt, 3);
    EXPECT_EQ(out.selected, 3);
    rules.addNewToStart = true;
    out = validateComboText("Purple", "Red", kItems, rules, accept);
    EXPECT_EQ(out.addAt, 0);
    EXPECT_EQ(out.selected, 0);
    out = validateComboText("Purple", "Red", kItems, rules, decline);
    EXPECT_TRUE(out.restored);
    EXPECT_EQ(out.addAt, -1);
    EXPECT_EQ(out.text, "Red");
    // Known items are never offered.
    bool askedForKnown = false;
    out = validateComboText("Green", "Red", kItems, rules, [&](const std::string&) {
        askedForKnown = true;
        return NotInListAnswer{};
    });
    EXPECT_FALSE(askedForKnown);
    EXPECT_EQ(out.selected, 1);
}

TEST(ComboValidationTest, FreeTextWithoutRulesIsKeptAsTyped) {
    const auto out = validateComboText("Purple", "Red", kItems, ComboRules{}, nullptr);
    EXPECT_EQ(out.text, "Purple");
    EXPECT_FALSE(out.restored);
    EXPECT_EQ(out.selected, -1);
    EXPECT_EQ(out.addAt, -1);
}

}  // namespace
}  // namespace sj
