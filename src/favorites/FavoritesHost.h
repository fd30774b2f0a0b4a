#pragma once
// What the favourites lists need from the user interface: the one-line name
// dialog, a Yes/No question (after a beep) and an error box. Tests stand in
// for the user through this interface.
#include <optional>
#include <string>
#include <string_view>

namespace sj {

struct FavoriteNameDialog {
    std::string_view caption;
    std::string_view prompt;
    int clientWidth;
};

inline constexpr FavoriteNameDialog kNewListDialog{"Favorite List Name", "Enter a name for new list:", 300};
inline constexpr FavoriteNameDialog kRenameListDialog{"Favorite List Name", "Rename list to:", 300};
inline constexpr FavoriteNameDialog kSaveListDialog{"Save Favorite Files",
                                                    "Enter a name for the Favorite Files list:", 400};

// Characters a typed list name may hold. "/" is refused by every dialog: it
// would put the list's file into another directory.
constexpr bool isListNameChar(char32_t c) {
    return c > 31 && c != '*' && c != '.' && c != '/' && c != '?' && c != '\\';
}

class FavoritesHost {
public:
    virtual ~FavoritesHost() = default;
    // nullopt for Cancel.
    virtual std::optional<std::string> askName(const FavoriteNameDialog& dialog,
                                               const std::string& defaultText) = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    virtual void showError(const std::string& message) = 0;
};

}  // namespace sj
