#pragma once
// Path and file helpers shared by the shell, the clipbook and the favourites.
// Paths are POSIX; comparisons are exact, as the file system compares them.
#include <string>
#include <string_view>
#include <vector>

namespace sj::fileutils {

// "notes.txt" -> "notes.~txt" (or "notes.BAK" with withBak); no extension -> "notes.~".
std::string backupName(std::string_view name, bool withBak);

// dir and name with exactly one "/" between them (none added when dir is empty
// or already ends with one).
std::string join(std::string_view dir, std::string_view name);

// Directory part without trailing "/", except for the root "/"; "" for a bare name.
std::string directoryOf(std::string_view path);

// File name part after the last "/".
std::string fileNameOf(std::string_view path);

// Extension without its dot, taken from the last path component only.
std::string extensionOf(std::string_view name);

// True when the last component has a "." (even a trailing one, "notes.").
bool hasExtension(std::string_view name);

// File name without directory and extension.
std::string baseName(std::string_view name);

// Replaces or adds "." + ext (a leading dot in ext is accepted); an empty ext
// removes the extension.
std::string changeExtension(std::string_view name, std::string_view ext);

// The bare file name when name lies directly in dir, else name unchanged.
std::string relativeTo(std::string_view dir, std::string_view name);

// A regular file the user may execute.
bool isExecutable(const std::string& name);

bool hasWildcards(std::string_view name);

// Absolute (relative names are taken in cwd), lexically cleaned path without a
// trailing "/"; symbolic links are kept as they are named. An empty cwd means
// the process's current directory.
std::string longName(std::string_view name, std::string_view cwd = {});

// Full names of the regular files matching the pattern's last component
// (fnmatch rules, "*.*" also matches names without a dot), sorted by name.
// Hidden files match like any other.
std::vector<std::string> filesMatching(std::string_view pattern);

// True for "", "/" and any existing directory (a trailing "/" is ignored).
bool directoryExists(std::string_view dir);

bool fileExists(const std::string& name);  // a regular file (or a link to one)

// Creates and deletes a probe file in dir; false when that is not possible.
bool directoryWritable(std::string_view dir);

// Creates dir and its parents as needed; true when it exists afterwards.
bool makeDirectories(const std::string& dir);

}  // namespace sj::fileutils
