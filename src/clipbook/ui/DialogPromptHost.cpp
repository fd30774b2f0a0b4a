#include "clipbook/ui/DialogPromptHost.h"

#include <QApplication>

#include "widgets/ui/ChoiceQueryDialog.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/QtStrings.h"

namespace sj {

std::optional<std::string> DialogPromptHost::askText(const std::string& caption, const std::string& label,
                                                     const std::string& defaultText) {
    InputQueryDialog::Request r;
    r.caption = qs(caption);
    r.label = qs(label);
    r.clientWidth = kClientWidth;
    r.maxLength = kMaxInputLength;
    r.defaultText = qs(defaultText);
    r.acceptEmpty = true;
    QString text = r.defaultText;
    if (!InputQueryDialog::query(r, text, QApplication::activeWindow())) return std::nullopt;
    return ss(text);
}

std::optional<AskComboResult> DialogPromptHost::askCombo(const std::string& caption, const std::string& label,
                                                         const std::vector<std::string>& entries,
                                                         int selected, bool mustPick) {
    ChoiceQueryDialog::Request r;
    r.caption = qs(caption);
    r.label = qs(label);
    r.clientWidth = kClientWidth;
    r.maxLength = kMaxInputLength;
    for (const std::string& e : entries) r.entries.push_back({qs(e), qs(e)});
    r.selected = selected;
    r.mustPick = mustPick;
    ChoiceQueryDialog::Result result;
    if (!ChoiceQueryDialog::ask(r, result, QApplication::activeWindow())) return std::nullopt;
    AskComboResult out;
    out.text = ss(result.text);
    // The dialog may have put typed text on top of its list; map back by text.
    out.selectedIndex = -1;
    if (result.index >= 0 && result.index < result.entries.size()) {
        const QString chosen = result.entries[result.index].text;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (qs(entries[i]) == chosen) {
                out.selectedIndex = static_cast<int>(i);
                break;
            }
    }
    return out;
}

}  // namespace sj
