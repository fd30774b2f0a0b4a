#include "document/DocumentNames.h"

#include "files/FileUtils.h"

namespace sj {

namespace {

std::size_t nameStart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string DocumentNames::title(std::string_view fileName, int untitledNumber) {
    if (!fileName.empty()) return std::string(fileName);
    if (untitledNumber > 0) return "Untitled." + std::to_string(untitledNumber);
    return "[No Name]";
}

std::string DocumentNames::shortTitle(std::string_view fileName, int& untitledNumber, int& counter) {
    if (!fileName.empty()) return std::string(fileName.substr(nameStart(fileName)));
    if (untitledNumber <= 0) untitledNumber = ++counter;
    return "Untitled." + std::to_string(untitledNumber);
}

std::string DocumentNames::tempCopyExtension(std::string_view fileName, std::string_view given,
                                             std::string_view defaultExt) {
    if (!fileName.empty()) return fileutils::extensionOf(fileName);
    return std::string(given.empty() ? defaultExt : given);
}

std::string DocumentNames::saveSuggestion(std::string_view title, bool hasFileName, bool isClipLibrary,
                                          std::string_view defaultExt, std::string_view defaultSaveDir) {
    std::string name(title);
    if (!hasFileName && !isClipLibrary && name.rfind("Untitled.", 0) == 0)
        name = "Untitled." + std::string(defaultExt);
    if (!defaultSaveDir.empty() && name.find('/') == std::string::npos) {
        std::string dir(defaultSaveDir);
        if (dir.back() != '/') dir += '/';
        name = dir + name;
    }
    return name;
}

std::string DocumentNames::alreadyOpenMessage(std::string_view name) {
    std::string m = "\"";
    m += name;
    m += "\" is already open! Close before overwriting.";
    return m;
}

}  // namespace sj
