#pragma once
// The library chooser's questions put to the user through the program's own input
// dialog and message boxes.
#include "clipbook/ClipbookHost.h"

namespace sj {

class DialogClipbookHost : public ClipbookHost {
public:
    std::optional<std::string> askName(const NameDialog& dialog, const std::string& defaultText) override;
    bool askYesNo(const std::string& question) override;
    void showError(const std::string& message) override;
};

}  // namespace sj
