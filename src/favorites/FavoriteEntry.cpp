#include "favorites/FavoriteEntry.h"

#include "files/FileUtils.h"

namespace sj::favorite {

Kind kindOf(std::string_view entry) {
    if (entry.starts_with(':')) return Kind::Reference;
    if (entry.ends_with('/')) return Kind::Directory;
    if (fileutils::hasWildcards(entry)) return Kind::Pattern;
    return Kind::File;
}

std::string referencedList(std::string_view entry) {
    return kindOf(entry) == Kind::Reference ? std::string(entry.substr(1)) : std::string();
}

std::vector<MenuItem> menuItems(const std::vector<std::string>& entries) {
    std::vector<MenuItem> items;
    items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& e = entries[i];
        if (e.empty() || e.starts_with(':')) continue;
        items.push_back({e.ends_with('/') ? e : fileutils::fileNameOf(e), e, i});
    }
    return items;
}

std::string directoryOf(std::string_view entry) {
    if (entry.ends_with('/')) return entry.size() > 1 ? std::string(entry.substr(0, entry.size() - 1)) : "/";
    return fileutils::directoryOf(entry);
}

std::string missingDirectoryMessage(std::string_view directory) {
    return "Directory '" + std::string(directory) + "' does not exist!";
}

}  // namespace sj::favorite
