#include "clipbook/LibraryNames.h"

#include <filesystem>

#include "text/Utf8.h"

namespace sj {

bool isValidLibraryName(std::string_view name, bool forSaveDialog) {
    if (name.empty() || name == "." || name == "..") return false;
    if (!utf8::isValid(name)) return false;
    std::size_t pos = 0;
    while (pos < name.size()) {
        char32_t c = utf8::decode(name, pos);
        if (!(forSaveDialog ? isSaveLibraryNameChar(c) : isLibraryNameChar(c))) return false;
    }
    return true;
}

bool hasLibraryExtension(std::string_view fileName) {
    if (fileName.size() <= 4) return false;
    const std::string_view ext = fileName.substr(fileName.size() - 4);
    return ext[0] == '.' && (ext[1] | 0x20) == 'c' && (ext[2] | 0x20) == 'l' && (ext[3] | 0x20) == 'b';
}

std::string libraryFilePath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && path.back() != '/') path.push_back('/');
    path.append(name);
    const std::string usual = path + ".clb";
    std::error_code ec;
    if (std::filesystem::exists(usual, ec)) return usual;
    const std::filesystem::path dir =
        directory.empty() ? std::filesystem::path(".") : std::filesystem::path(directory);
    for (std::filesystem::directory_iterator it(dir, ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() == name.size() + 4 && file.starts_with(name) && hasLibraryExtension(file))
            return path + file.substr(name.size());
    }
    return usual;
}

std::string templateDirFromDefault(std::string_view defaultTemplate, std::string_view fallbackDirectory) {
    std::size_t slash = defaultTemplate.rfind('/');
    if (slash == std::string_view::npos) return std::string(fallbackDirectory);
    if (slash == 0) return "/";
    return std::string(defaultTemplate.substr(0, slash));
}

std::string templateNameFromDefault(std::string_view defaultTemplate) {
    std::size_t slash = defaultTemplate.rfind('/');
    std::string_view base =
        slash == std::string_view::npos ? defaultTemplate : defaultTemplate.substr(slash + 1);
    // Only the library extension goes: the stored value is usually the bare name,
    // which may itself contain dots (a file "My.Notes.clb" is the library "My.Notes").
    if (hasLibraryExtension(base)) base.remove_suffix(4);
    return std::string(base);
}

std::string quotedName(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out.push_back('"');
    out.append(name);
    out.push_back('"');
    return out;
}

}  // namespace sj
