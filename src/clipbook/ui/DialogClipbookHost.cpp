#include "clipbook/ui/DialogClipbookHost.h"

#include <QApplication>

#include "clipbook/LibraryNames.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {

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
