#pragma once
// The Favorites menu: "&Add Favorite", "Go to &Favorites..." and one item per
// entry of the current favourites list. Also what the rest of the program
// asks of the list: whether a file is a favourite (it then stays off the
// reopen list), renamed documents, and opening the list's files at start-up.
#include <string>

#include "app/ui/CommandGroup.h"
#include "favorites/FavoriteEntries.h"
#include "favorites/FavoriteListFile.h"

class QMenu;

namespace sj {

class FavoriteCommands : public CommandGroup {
    Q_OBJECT
public:
    // directory: where the lists live ("" for the data directory).
    explicit FavoriteCommands(AppHost& host, std::string directory = {});
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    const FavoriteEntries& entries() const { return m_entries; }

    // Reads the list FavoriteName names and shows it in the menu.
    void loadList();
    // AutoLoadFavorites: every entry that names an existing file is opened.
    void openListFiles();

    void addFavorite();
    void goToFavorites();

private:
    void rebuildMenu();
    void openEntry(const std::string& entry);
    void openChosenItem(QAction* action);
    void openFiles(const std::vector<std::string>& files);
    void showOpenDialog(const std::string& directory);
    void followRename(const std::string& oldName, const std::string& newName);
    void saveList();
    std::string listFile() const;

    std::string m_directory;
    FavoriteEntries m_entries;
    FavoriteListFile::Charset m_charset = FavoriteListFile::Charset::Utf8;
    QMenu* m_menu = nullptr;
    QAction* m_add;
    QAction* m_goTo;
    QList<QAction*> m_entryActions;
};

}  // namespace sj
