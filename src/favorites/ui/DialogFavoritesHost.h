#pragma once
// The favourites lists' questions as the program's dialogs and message boxes.
#include "favorites/FavoritesHost.h"

class QWidget;

namespace sj {

class DialogFavoritesHost : public FavoritesHost {
public:
    explicit DialogFavoritesHost(QWidget* parent) : m_parent(parent) {}
    std::optional<std::string> askName(const FavoriteNameDialog& dialog,
                                       const std::string& defaultText) override;
    bool askYesNo(const std::string& question) override;
    void showError(const std::string& message) override;

private:
    QWidget* m_parent;
};

}  // namespace sj
