#pragma once
// The favourites lists of the data directory and the one being edited: the
// list chooser of the "Favorite Files" dialog with its commands. A modified
// list is saved without a question whenever the user moves on to another one.
// List names keep a case-insensitive order and uniqueness.
#include <string>
#include <string_view>
#include <vector>

#include "favorites/FavoriteEntries.h"
#include "favorites/FavoriteListFile.h"
#include "favorites/FavoritesHost.h"

namespace sj {

class FavoriteLists {
public:
    FavoriteLists(std::string directory, FavoritesHost& host);

    // "<directory>/<name>.fvr".
    static std::string fileOf(std::string_view directory, std::string_view name);
    // A whole name as typed: non-empty, every character accepted.
    static bool isValidName(std::string_view name);

    const std::string& directory() const { return m_directory; }
    const std::vector<std::string>& names() const { return m_names; }
    const std::string& current() const { return m_current; }
    bool hasCurrent() const { return !m_current.empty(); }
    int currentIndex() const;
    FavoriteEntries& entries() { return m_entries; }
    const FavoriteEntries& entries() const { return m_entries; }

    // Lists the directory's "*.fvr" files, then makes `name` current (listed
    // even when it has no file yet).
    void open(const std::string& name);

    // Makes a list current: nothing for the current name in any letter case;
    // a modified current list is saved first; the entries are read (a missing
    // file is an empty list).
    void choose(const std::string& name);
    // A name typed into the chooser: a listed one (in any case) is chosen,
    // another is created after the question.
    void commitTypedName(const std::string& typed);

    void newList();
    void renameList();
    void deleteList();
    // Writes a modified list (asking a name when none is current). False when
    // it was not written.
    bool saveIfModified();
    bool save();
    // Reads the current list again (no list: no entries).
    void undoChanges();

    // The files the selected entries stand for: a reference stands for the
    // other list's entries that are neither empty nor references themselves.
    std::vector<std::string> filesToOpen(const std::vector<std::size_t>& selected) const;

private:
    void listDirectory();
    int indexIgnoringCase(std::string_view name) const;
    void addName(const std::string& name);
    std::string askValidName(const FavoriteNameDialog& dialog, const std::string& defaultText);

    std::string m_directory;
    FavoritesHost& m_host;
    std::vector<std::string> m_names;
    std::string m_current;
    FavoriteEntries m_entries;
    FavoriteListFile::Charset m_charset = FavoriteListFile::Charset::Utf8;
};

}  // namespace sj
