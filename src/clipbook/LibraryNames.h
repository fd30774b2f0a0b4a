#pragma once
// Library names: which characters a typed name may hold, where a library's
// file lives, and how the configured DefaultTemplate splits into directory and name.
#include <string>
#include <string_view>

namespace sj {

// Characters accepted while a name is typed in the chooser and the New and
// Rename dialogs. Backspace is an editing key, not a character of the name.
constexpr bool isLibraryNameChar(char32_t c) {
    return c > 31 && c != '*' && c != '.' && c != '/' && c != '?' && c != '\\';
}

// The "Save Clipbook Template" dialog refuses the dot as well. "/" is refused
// here too: it would put the file into another directory.
constexpr bool isSaveLibraryNameChar(char32_t c) {
    return isLibraryNameChar(c);
}

// A whole typed name: non-empty, every character accepted, and never "." or "..".
bool isValidLibraryName(std::string_view name, bool forSaveDialog = false);

// The file of a library: directory, "/", name, ".clb" ("/" left out when the
// directory already ends with one; an empty directory means the current one).
// An existing file whose extension differs only in case (old copies often say
// ".CLB") is that library's file.
std::string libraryFilePath(std::string_view directory, std::string_view name);

// Whether a file name ends in the library extension, in any letter case.
bool hasLibraryExtension(std::string_view fileName);

// The directory part of DefaultTemplate, or fallbackDirectory when it has none.
std::string templateDirFromDefault(std::string_view defaultTemplate, std::string_view fallbackDirectory);

// DefaultTemplate without directory and ".clb" extension: the library chosen first.
std::string templateNameFromDefault(std::string_view defaultTemplate);

// A name in double quotes, as messages show it.
std::string quotedName(std::string_view name);

}  // namespace sj
