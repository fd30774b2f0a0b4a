#pragma once
// The clip prompts' questions put to the user through the program's own input dialogs.
#include "clipbook/PromptHost.h"

namespace sj {

class DialogPromptHost : public PromptHost {
public:
    std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                       const std::string& defaultText) override;
    std::optional<AskComboResult> askCombo(const std::string& caption, const std::string& label,
                                           const std::vector<std::string>& entries, int selected,
                                           bool mustPick) override;
};

}  // namespace sj
