#pragma once
// The dialogs a clip expansion asks its questions with. The GUI implements
// it with the one-line and the drop-down input dialogs; tests script answers.
#include <optional>
#include <string>
#include <vector>

namespace sj {

struct AskComboResult {
    std::string text;
    // Index into the entries passed to askCombo of the entry selected at OK,
    // -1 when the text is not one of them (for example, typed freely).
    int selectedIndex = -1;
};

class PromptHost {
public:
    static constexpr const char* kCaption = "Complete Clipbook Item...";
    static constexpr int kClientWidth = 400;
    static constexpr int kMaxInputLength = 255;

    virtual ~PromptHost() = default;
    // One-line input; an empty answer is an answer. nullopt means Cancel.
    virtual std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                               const std::string& defaultText) = 0;
    // Drop-down input. With mustPick the answer has to be one of the entries
    // (the dialog limits typing to them). nullopt means Cancel.
    virtual std::optional<AskComboResult> askCombo(const std::string& caption, const std::string& label,
                                                   const std::vector<std::string>& entries, int selected,
                                                   bool mustPick) = 0;
};

}  // namespace sj
