#include "clipbook/ui/ClipDialogs.h"

#include <QApplication>

#include "clipbook/LibraryNames.h"
#include "widgets/ui/ChoiceQueryDialog.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"

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

std::optional<std::string> DialogClipbookHost::askName(const NameDialog& dialog,
                                                       const std::string& defaultText) {
    InputQueryDialog::Request r;
    r.caption = qs(std::string(dialog.caption));
    r.label = qs(std::string(dialog.prompt));
    r.clientWidth = dialog.clientWidth;
    r.defaultText = qs(defaultText);
    if (dialog.libraryName) r.acceptsChar = [](char32_t c) { return isLibraryNameChar(c); };
    QString text = r.defaultText;
    if (!InputQueryDialog::query(r, text, QApplication::activeWindow())) return std::nullopt;
    return ss(text);
}

bool DialogClipbookHost::askYesNo(const std::string& question) {
    return msg::askYesNo(qs(question));
}

void DialogClipbookHost::showError(const std::string& message) {
    msg::error(qs(message));
}

}  // namespace sj
