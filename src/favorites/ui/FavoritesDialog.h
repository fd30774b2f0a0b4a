#pragma once
// The "Favorite Files" dialog: chooses, creates, renames and deletes lists,
// edits the entries of one, and picks the files to open.
#include <QDialog>

#include <string>
#include <vector>

#include "favorites/FavoriteLists.h"
#include "favorites/ui/DialogFavoritesHost.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace sj {

class FavoritesDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        std::string directory;   // where the lists live
        std::string listName;    // the list chosen first
        std::string startPath;   // where "&Add..." starts
        std::string defaultExt;  // without its dot
        std::string filter;      // "description|mask|..." of the file dialogs
        bool multiSelect = true;
    };

    explicit FavoritesDialog(const Setup& setup, QWidget* parent = nullptr);

    const FavoriteLists& lists() const { return m_lists; }
    // The files to open, as the dialog was closed.
    const std::vector<std::string>& chosenFiles() const { return m_chosen; }

    QComboBox* chooser() const { return m_chooser; }
    QListWidget* entryList() const { return m_list; }
    QLineEdit* entryField() const { return m_entry; }

protected:
    void done(int r) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPushButton* button(const QString& caption, const QString& hint);
    void buildMenus();
    void showLists();
    void showEntries(int select = 0);
    void onSelectionChanged();
    void updateButtons();
    std::vector<std::size_t> selectedRows() const;
    void selectRows(const std::vector<std::size_t>& rows);
    void afterListChange();

    void chooseTyped();
    void addFiles();
    void newEntry();
    void editEntry(const QString& text);
    void leaveEntryField();
    void removeEntries();
    void moveSelection(bool up);
    void sortList();
    void undoChanges();
    void openSelected(bool all);
    void openDirectory();
    void showHelp();

    Setup m_setup;
    DialogFavoritesHost m_host;
    FavoriteLists m_lists;
    std::vector<std::string> m_chosen;
    int m_editedRow = -1;
    bool m_editChanged = false;
    bool m_filling = false;

    QComboBox* m_chooser;
    QListWidget* m_list;
    QLineEdit* m_entry;
    QPushButton* m_open;
    QPushButton* m_openAll;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_help;
    QPushButton* m_close;
    QPushButton* m_new;
    QToolButton* m_up;
    QToolButton* m_down;
    QMenu* m_chooserMenu;
    QMenu* m_listMenu;
    QAction* m_newList;
    QAction* m_renameList;
    QAction* m_deleteList;
    QAction* m_openDirectory;
    QAction* m_sortList;
    QAction* m_undoChanges;
};

}  // namespace sj
