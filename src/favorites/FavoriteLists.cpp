#include "favorites/FavoriteLists.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "favorites/FavoriteEntry.h"
#include "files/FileUtils.h"
#include "text/CharClass.h"
#include "text/Utf8.h"

namespace sj {
namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return charclass::compareIgnoreCase(a, b) < 0;
}

bool hasFvrExtension(std::string_view name) {
    if (name.size() < 5) return false;
    const std::string_view ext = name.substr(name.size() - 4);
    return charclass::compareIgnoreCase(ext, ".fvr") == 0;
}

}  // namespace

FavoriteLists::FavoriteLists(std::string directory, FavoritesHost& host)
    : m_directory(std::move(directory)), m_host(host) {}

std::string FavoriteLists::fileOf(std::string_view directory, std::string_view name) {
    return fileutils::join(directory, std::string(name) + ".fvr");
}

bool FavoriteLists::isValidName(std::string_view name) {
    if (name.empty() || !utf8::isValid(name)) return false;
    for (std::size_t pos = 0; pos < name.size();)
        if (!isListNameChar(utf8::decode(name, pos))) return false;
    return true;
}

int FavoriteLists::currentIndex() const {
    return m_current.empty() ? -1 : indexIgnoringCase(m_current);
}

int FavoriteLists::indexIgnoringCase(std::string_view name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (charclass::compareIgnoreCase(m_names[i], name) == 0) return static_cast<int>(i);
    return -1;
}

void FavoriteLists::addName(const std::string& name) {
    if (indexIgnoringCase(name) >= 0) return;
    m_names.insert(std::upper_bound(m_names.begin(), m_names.end(), name, lessIgnoringCase), name);
}

void FavoriteLists::listDirectory() {
    m_names.clear();
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(m_directory.c_str()), ::closedir);
    if (!dir) return;
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string file = e->d_name;
        if (!hasFvrExtension(file)) continue;
        const std::string name = file.substr(0, file.size() - 4);
        if (!name.empty() && fileutils::fileExists(fileutils::join(m_directory, file))) addName(name);
    }
}

void FavoriteLists::open(const std::string& name) {
    listDirectory();
    m_current.clear();
    m_entries.reset({});
    if (name.empty()) return;
    addName(name);
    choose(name);
}

void FavoriteLists::choose(const std::string& name) {
    if (!m_current.empty() && charclass::compareIgnoreCase(name, m_current) == 0) return;
    saveIfModified();
    const int index = indexIgnoringCase(name);
    m_current = index >= 0 ? m_names[static_cast<std::size_t>(index)] : name;
    FavoriteListFile::Contents contents = FavoriteListFile::load(fileOf(m_directory, m_current));
    m_charset = contents.charset;
    m_entries.reset(std::move(contents.entries));
}

void FavoriteLists::commitTypedName(const std::string& typed) {
    if (typed.empty()) return;
    if (const int index = indexIgnoringCase(typed); index >= 0) {
        choose(m_names[static_cast<std::size_t>(index)]);
        return;
    }
    if (!isValidName(typed)) {
        m_host.showError("\"" + typed + "\" is not a valid list name!");
        return;
    }
    if (!m_host.askYesNo("Create new Favorite Files list \"" + typed + "\"?")) return;
    addName(typed);
    choose(typed);
}

std::string FavoriteLists::askValidName(const FavoriteNameDialog& dialog, const std::string& defaultText) {
    const std::optional<std::string> answer = m_host.askName(dialog, defaultText);
    if (!answer || answer->empty()) return {};
    if (!isValidName(*answer)) {
        m_host.showError("\"" + *answer + "\" is not a valid list name!");
        return {};
    }
    return *answer;
}

void FavoriteLists::newList() {
    const std::string name = askValidName(kNewListDialog, {});
    if (name.empty()) return;
    addName(name);
    choose(name);
}

void FavoriteLists::renameList() {
    if (m_current.empty()) return;
    const std::string name = askValidName(kRenameListDialog, m_current);
    if (name.empty() || charclass::compareIgnoreCase(name, m_current) == 0) return;
    if (indexIgnoringCase(name) >= 0) {
        m_host.showError("Name is already used!");
        return;
    }
    const std::string oldFile = fileOf(m_directory, m_current);
    if (fileutils::fileExists(oldFile)) std::rename(oldFile.c_str(), fileOf(m_directory, name).c_str());
    m_names.erase(m_names.begin() + indexIgnoringCase(m_current));
    addName(name);
    m_current = name;
}

void FavoriteLists::deleteList() {
    if (m_current.empty()) return;
    const std::string file = fileOf(m_directory, m_current);
    if (fileutils::fileExists(file)) std::remove(file.c_str());
    if (const int index = indexIgnoringCase(m_current); index >= 0) m_names.erase(m_names.begin() + index);
    m_current.clear();
    m_entries.markSaved();  // its changes go with it
    if (!m_names.empty()) choose(m_names.front());
}

bool FavoriteLists::saveIfModified() {
    return m_entries.modified() ? save() : true;
}

bool FavoriteLists::save() {
    if (m_current.empty()) {
        const std::string name = askValidName(kSaveListDialog, {});
        if (name.empty()) return false;
        addName(name);
        m_current = m_names[static_cast<std::size_t>(indexIgnoringCase(name))];
    }
    const std::string error =
        FavoriteListFile::save(fileOf(m_directory, m_current), m_entries.items(), m_charset);
    if (!error.empty()) {
        m_host.showError("Error: could not save \"" + fileOf(m_directory, m_current) + "\": " + error);
        return false;
    }
    m_entries.markSaved();
    return true;
}

void FavoriteLists::undoChanges() {
    if (m_current.empty()) {
        m_entries.reset({});
        return;
    }
    FavoriteListFile::Contents contents = FavoriteListFile::load(fileOf(m_directory, m_current));
    m_charset = contents.charset;
    m_entries.reset(std::move(contents.entries));
}

std::vector<std::string> FavoriteLists::filesToOpen(const std::vector<std::size_t>& selected) const {
    std::vector<std::string> files;
    for (std::size_t index : selected) {
        if (index >= m_entries.size()) continue;
        const std::string& entry = m_entries.items()[index];
        if (favorite::kindOf(entry) != favorite::Kind::Reference) {
            files.push_back(entry);
            continue;
        }
        const std::string other = favorite::referencedList(entry);
        if (!isValidName(other)) continue;
        // One level only: the other list's own references are left out, so
        // lists pointing at each other end here.
        for (std::string& e : FavoriteListFile::load(fileOf(m_directory, other)).entries)
            if (!e.empty() && !e.starts_with(':')) files.push_back(std::move(e));
    }
    return files;
}

}  // namespace sj
