#include "clipbook/ClipLibraryDirectory.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "clipbook/ClipTitleKey.h"
#include "clipbook/LibraryNames.h"
#include "text/AsciiCase.h"

namespace sj {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".clb";

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec)) && !ec;
}

}  // namespace

std::string ClipLibraryDirectory::fileOf(std::string_view name) const {
    return libraryFilePath(m_templateDir, name);
}

int ClipLibraryDirectory::indexOf(std::string_view name) const {
    auto it = std::find(m_names.begin(), m_names.end(), name);
    return it == m_names.end() ? -1 : static_cast<int>(it - m_names.begin());
}

int ClipLibraryDirectory::indexIgnoringCase(std::string_view name) const {
    int exact = indexOf(name);
    if (exact >= 0) return exact;
    std::string key = foldedKey(name);
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (foldedKey(m_names[i]) == key) return static_cast<int>(i);
    return -1;
}

int ClipLibraryDirectory::currentIndex() const {
    return m_hotTemplate.empty() ? -1 : indexOf(m_hotTemplate);
}

void ClipLibraryDirectory::addName(const std::string& name) {
    if (indexOf(name) >= 0) return;
    auto at = std::upper_bound(
        m_names.begin(), m_names.end(), name,
        [](const std::string& a, const std::string& b) { return compareWithoutCase(a, b) < 0; });
    m_names.insert(at, name);
}

void ClipLibraryDirectory::listDirectory() {
    m_names.clear();
    std::error_code ec;
    fs::directory_iterator it(m_templateDir.empty() ? fs::path(".") : fs::path(m_templateDir), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string file = it->path().filename().string();
        if (!hasLibraryExtension(file)) continue;
        std::error_code typeEc;
        if (it->is_directory(typeEc)) continue;
        m_names.push_back(file.substr(0, file.size() - kExtension.size()));
    }
    std::sort(m_names.begin(), m_names.end(), [](const std::string& a, const std::string& b) {
        const int c = compareWithoutCase(a, b);
        return c < 0 || (c == 0 && a < b);
    });
    // "a.clb" beside "a.CLB" is one library name.
    m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
}

void ClipLibraryDirectory::open(const std::string& templateDir, const std::string& initialName) {
    setTemplateDir(templateDir);
    if (!initialName.empty() && indexOf(initialName) >= 0) choose(initialName);
}

void ClipLibraryDirectory::setTemplateDir(const std::string& templateDir) {
    m_templateDir = templateDir;
    updateList();
}

void ClipLibraryDirectory::updateList() {
    listDirectory();
    if (!m_hotTemplate.empty() && indexOf(m_hotTemplate) < 0) m_hotTemplate.clear();
}

bool ClipLibraryDirectory::isInDirectory(const std::string& file) const {
    const std::string parent = fs::path(file).parent_path().string();
    std::string_view dir = parent;
    std::string_view own = m_templateDir;
    if (dir.empty()) return true;
    // "dir" and "dir/" are the same directory.
    if (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
    if (own.size() > 1 && own.back() == '/') own.remove_suffix(1);
    return ascii::equalsIgnoringCase(dir, own);
}

bool ClipLibraryDirectory::isCurrentFile(const std::string& file) const {
    return hasCurrent() && !file.empty() && isInDirectory(file) &&
           fs::path(file).stem().string() == m_hotTemplate;
}

bool ClipLibraryDirectory::followRename(const std::string& oldFile, const std::string& newFile) {
    if (oldFile == newFile) return false;
    const fs::path newPath(newFile);
    const bool wasCurrent = isCurrentFile(oldFile);
    listDirectory();
    if (wasCurrent) {
        const std::string name = newPath.stem().string();
        // Moved out of the directory, the library has no listed name any more.
        m_hotTemplate =
            isInDirectory(newFile) && hasLibraryExtension(newPath.filename().string()) && indexOf(name) >= 0
                ? name
                : std::string();
    } else if (!m_hotTemplate.empty() && indexOf(m_hotTemplate) < 0) {
        m_hotTemplate.clear();
    }
    return true;
}

bool ClipLibraryDirectory::choose(const std::string& name) {
    if (name == m_hotTemplate) return true;
    if (indexOf(name) < 0) return false;
    if (m_list.modified() && !saveCurrent(false)) return false;
    m_hotTemplate = name;
    loadCurrent();
    return true;
}

bool ClipLibraryDirectory::chooseIndex(std::size_t index) {
    if (index >= m_names.size()) return false;
    return choose(m_names[index]);
}

bool ClipLibraryDirectory::loadCurrent() {
    if (m_hotTemplate.empty()) {
        m_list.reset();
        m_list.setModified(false);
        return true;
    }
    const std::string path = fileOf(m_hotTemplate);
    LibraryFileResult result = m_list.loadFromFile(path);
    if (!result.ok) {
        m_host.showError(result.error);
        return false;
    }
    if (result.stoppedAtNul)
        m_host.showError("Error: " + quotedName(path) +
                         " contains a NUL character; the text after it was not read and is lost when the "
                         "template is saved.");
    return true;
}

bool ClipLibraryDirectory::validTypedName(const std::string& name, bool forSaveDialog) {
    if (isValidLibraryName(name, forSaveDialog)) return true;
    m_host.showError("Error: " + quotedName(name) + " cannot be used as a template name.");
    return false;
}

bool ClipLibraryDirectory::saveCurrent(bool commitTypedText, const std::string& typedText) {
    if (commitTypedText && typedText != m_hotTemplate) commitTypedName(typedText);

    if (m_hotTemplate.empty()) {
        std::optional<std::string> answer = m_host.askName(kSaveTemplateDialog, std::string());
        if (answer && !answer->empty()) {
            if (!validTypedName(*answer, true)) return false;
            // Saving under the name of another library would overwrite it.
            if (indexIgnoringCase(*answer) >= 0 || fileExists(fileOf(*answer))) {
                m_host.showError("Name is already used!");
                return false;
            }
            m_hotTemplate = *answer;
            addName(*answer);
        }
    }
    if (m_hotTemplate.empty()) {
        m_list.setModified(false);
        return true;
    }
    if (!m_templateDir.empty()) {
        std::error_code ec;
        fs::create_directories(m_templateDir, ec);
    }
    LibraryFileResult result = m_list.saveToFile(fileOf(m_hotTemplate));
    if (!result.ok) {
        m_host.showError(result.error);
        return false;
    }
    return true;
}

bool ClipLibraryDirectory::commitTypedName(const std::string& typedText) {
    if (typedText.empty() || typedText == m_hotTemplate) return true;
    int listed = indexIgnoringCase(typedText);
    if (listed >= 0) return choose(m_names[static_cast<std::size_t>(listed)]);
    if (!validTypedName(typedText, false)) return false;
    if (!m_host.askYesNo("Create new Clipbook template " + quotedName(typedText) + "?")) return false;
    addName(typedText);
    if (choose(typedText)) return true;
    m_names.erase(m_names.begin() + indexOf(typedText));
    return false;
}

bool ClipLibraryDirectory::newTemplate() {
    std::optional<std::string> answer = m_host.askName(kNewTemplateDialog, std::string());
    if (!answer || answer->empty()) return false;
    if (!validTypedName(*answer, false)) return false;
    int listed = indexIgnoringCase(*answer);
    if (listed >= 0) return choose(m_names[static_cast<std::size_t>(listed)]);
    addName(*answer);
    if (choose(*answer)) return true;
    m_names.erase(m_names.begin() + indexOf(*answer));
    return false;
}

bool ClipLibraryDirectory::renameTemplate() {
    if (m_hotTemplate.empty()) return false;
    std::optional<std::string> answer = m_host.askName(kRenameTemplateDialog, m_hotTemplate);
    if (!answer || answer->empty() || equalsWithoutCase(*answer, m_hotTemplate)) return false;
    if (!validTypedName(*answer, false)) return false;
    const std::string newPath = fileOf(*answer);
    if (indexIgnoringCase(*answer) >= 0 || fileExists(newPath)) {
        m_host.showError("Name is already used!");
        return false;
    }
    const std::string oldPath = fileOf(m_hotTemplate);
    if (fileExists(oldPath)) {
        std::error_code ec;
        fs::rename(oldPath, newPath, ec);  // a failure leaves the old file; the next save writes the new one
    }
    int at = indexOf(m_hotTemplate);
    if (at >= 0) m_names.erase(m_names.begin() + at);
    addName(*answer);
    m_hotTemplate = *answer;
    return true;
}

bool ClipLibraryDirectory::deleteTemplate() {
    if (m_hotTemplate.empty()) return false;
    std::error_code ec;
    fs::remove(fileOf(m_hotTemplate), ec);
    int at = indexOf(m_hotTemplate);
    if (at >= 0) m_names.erase(m_names.begin() + at);
    m_hotTemplate.clear();
    m_list.reset();
    m_list.setModified(false);
    if (!m_names.empty()) choose(m_names.front());
    return true;
}

bool ClipLibraryDirectory::undoAllChanges() {
    m_list.setModified(false);
    return loadCurrent();
}

}  // namespace sj
