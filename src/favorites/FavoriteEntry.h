#pragma once
// What an entry of a favourites list is, and how the Favorites menu shows it.
// An entry is a file name, a directory (ending with "/"), a pattern with
// wildcards, or ":" and the name of another list standing for its entries.
#include <string>
#include <string_view>
#include <vector>

namespace sj::favorite {

enum class Kind { File, Directory, Pattern, Reference };

Kind kindOf(std::string_view entry);

// The list a reference names; "" for other entries.
std::string referencedList(std::string_view entry);

struct MenuItem {
    std::string caption;  // the file name, or the whole entry for a directory
    std::string hint;     // the whole entry
    std::size_t entry;    // index into the list
};

// One item per entry, in list order; references (and empty lines) have none.
std::vector<MenuItem> menuItems(const std::vector<std::string>& entries);

// The directory part of an entry (without its final "/"), as "&Open Directory" uses it.
std::string directoryOf(std::string_view entry);

// The message for a directory entry that does not exist.
std::string missingDirectoryMessage(std::string_view directory);

}  // namespace sj::favorite
