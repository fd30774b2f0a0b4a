#include "favorites/ui/DialogFavoritesHost.h"

#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

std::optional<std::string> DialogFavoritesHost::askName(const FavoriteNameDialog& dialog,
                                                        const std::string& defaultText) {
    InputQueryDialog::Request r;
    r.caption = QString::fromUtf8(dialog.caption.data(), static_cast<int>(dialog.caption.size()));
    r.label = QString::fromUtf8(dialog.prompt.data(), static_cast<int>(dialog.prompt.size()));
    r.clientWidth = dialog.clientWidth;
    r.defaultText = QString::fromStdString(defaultText);
    r.refusedChars = QStringLiteral("*./?\\");
    QString text = r.defaultText;
    if (!InputQueryDialog::query(r, text, m_parent)) return std::nullopt;
    return text.toStdString();
}

bool DialogFavoritesHost::askYesNo(const std::string& question) {
    return msg::askYesNo(QString::fromStdString(question), true);
}

void DialogFavoritesHost::showError(const std::string& message) {
    msg::error(QString::fromStdString(message));
}

}  // namespace sj
