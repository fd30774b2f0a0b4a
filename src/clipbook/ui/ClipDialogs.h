#pragma once
// The Clipbook's questions put to the user through the program's own input
// dialogs and message boxes.
#include <QString>

#include "clipbook/ClipbookHost.h"
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

class DialogClipbookHost : public ClipbookHost {
public:
    std::optional<std::string> askName(const NameDialog& dialog, const std::string& defaultText) override;
    bool askYesNo(const std::string& question) override;
    void showError(const std::string& message) override;
};

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}

}  // namespace sj
