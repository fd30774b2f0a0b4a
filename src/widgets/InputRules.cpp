#include "widgets/InputRules.h"

#include "text/CharClass.h"
#include "text/Utf8.h"

namespace sj {

std::array<bool, 10> inputMenuEnabled(const InputFieldState& s) {
    std::array<bool, 10> on{};
    auto set = [&on](InputMenuItem item, bool value) { on[static_cast<int>(item)] = value; };
    set(InputMenuItem::Undo,
        s.enhanced ? s.changedSinceEntry && !s.readOnly : s.systemCanUndo && !s.readOnly);
    set(InputMenuItem::Overwrite, s.enhanced && !s.readOnly);
    set(InputMenuItem::Cut, s.hasSelection && !s.readOnly);
    set(InputMenuItem::Copy, s.hasSelection);
    set(InputMenuItem::Paste, !s.readOnly && s.clipboardHasText);
    set(InputMenuItem::Delete, s.hasSelection && !s.readOnly);
    set(InputMenuItem::Clear, !s.readOnly && !s.empty);
    set(InputMenuItem::SelectAll, !s.empty && !(s.enhanced && s.allSelected));
    return on;
}

std::size_t overwriteSpan(std::string_view text, std::size_t caret) {
    if (caret >= text.size()) return 0;
    caret = utf8::floorBoundary(text, caret);
    if (text[caret] == '\r' || text[caret] == '\n') return 0;
    std::size_t end = caret;
    utf8::decode(text, end);
    return end - caret;
}

int findComboItem(const std::vector<std::string>& items, std::string_view text, bool caseSensitive) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool same =
            caseSensitive ? items[i] == text : charclass::compareIgnoreCase(items[i], text) == 0;
        if (same) return static_cast<int>(i);
    }
    return -1;
}

ComboOutcome validateComboText(const std::string& text, const std::string& entryText,
                               const std::vector<std::string>& items, const ComboRules& rules,
                               const NotInListHandler& onNotInList) {
    ComboOutcome out;
    out.text = text;
    const bool empty = text.empty();
    const bool known = !empty && findComboItem(items, text, rules.caseSensitive) >= 0;
    // A refused text: the owner may accept it or offer another; otherwise the
    // field goes back to what it held on entry.
    auto refuse = [&](bool offerToAdd) {
        NotInListAnswer answer;
        if (onNotInList)
            answer = onNotInList(text);
        else
            answer.accept = offerToAdd;  // nobody to ask: adding needs no permission
        if (answer.text) {
            out.text = *answer.text;
        } else if (!answer.accept) {
            out.text = entryText;
            out.restored = true;
        } else if (offerToAdd) {
            out.addAt = rules.addNewToStart ? 0 : static_cast<int>(items.size());
        }
    };
    if (empty) {
        if (!rules.allowNull) refuse(false);
    } else if (!known && rules.limitToList) {
        refuse(false);
    } else if (!known && rules.addNewToList) {
        refuse(true);
    }
    std::vector<std::string> after = items;
    if (out.addAt >= 0) after.insert(after.begin() + out.addAt, out.text);
    out.selected = out.text.empty() ? -1 : findComboItem(after, out.text, rules.caseSensitive);
    return out;
}

}  // namespace sj
