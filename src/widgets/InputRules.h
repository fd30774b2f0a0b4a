#pragma once
// Rules of the program's input controls that need no window: which items of the
// editing menu are enabled, what overwrite mode selects, and how a combo box
// judges the text the user leaves it with.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

// The editing menu's items by tag.
enum class InputMenuItem : int {
    Undo = 0,
    Overwrite = 1,
    FirstSeparator = 2,
    Cut = 3,
    Copy = 4,
    Paste = 5,
    Delete = 6,
    Clear = 7,
    SecondSeparator = 8,
    SelectAll = 9,
};

struct InputFieldState {
    bool enhanced = true;  // one of the program's own controls, not a plain edit
    bool changedSinceEntry = false;
    bool systemCanUndo = false;  // plain edits undo through the toolkit
    bool readOnly = false;
    bool hasSelection = false;
    bool allSelected = false;
    bool empty = true;
    bool clipboardHasText = false;
};

std::array<bool, 10> inputMenuEnabled(const InputFieldState& s);

// Bytes to select after the caret in overwrite mode: the one character there,
// or nothing at the end of the text or before a line break.
std::size_t overwriteSpan(std::string_view text, std::size_t caret);

struct ComboRules {
    bool allowNull = true;
    bool limitToList = false;
    bool addNewToList = false;
    bool addNewToStart = false;
    bool caseSensitive = false;
};

// What the owner says about a text that is not acceptable as it stands.
struct NotInListAnswer {
    bool accept = false;
    std::optional<std::string> text;  // a replacement to take instead
};
using NotInListHandler = std::function<NotInListAnswer(const std::string& text)>;

struct ComboOutcome {
    std::string text;       // the field's text afterwards
    bool restored = false;  // went back to the entry text
    int addAt = -1;         // where the text joins the list, -1 not at all
    int selected = -1;      // the item equal to the text, -1 none
};

// Index of the item equal to text (letter case ignored unless caseSensitive).
int findComboItem(const std::vector<std::string>& items, std::string_view text, bool caseSensitive);

// Judges the text when the user leaves the field. Without a handler a text the
// rules refuse goes back to the entry text, and a new text is added when
// AddNewToList asks for it.
ComboOutcome validateComboText(const std::string& text, const std::string& entryText,
                               const std::vector<std::string>& items, const ComboRules& rules,
                               const NotInListHandler& onNotInList);

}  // namespace sj
