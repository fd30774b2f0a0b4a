#include "app/DocumentSetRules.h"

#include <sys/stat.h>

#include <algorithm>

#include "files/FileUtils.h"

namespace sj {

void DocumentSetRules::skipTakenUntitledNumbers(const std::vector<std::string>& titles) {
    for (;;) {
        const std::string candidate = "Untitled." + std::to_string(m_untitledCounter + 1);
        const bool taken = std::any_of(titles.begin(), titles.end(), [&](const std::string& title) {
            return fileutils::fileNameOf(title) == candidate;
        });
        if (!taken) return;
        ++m_untitledCounter;
    }
}

bool DocumentSetRules::reusesCurrent(bool hasCurrent, bool currentPristine, bool currentHasFileName) const {
    if (!hasCurrent) return true;
    return m_reuseEmptyPage && currentPristine && !currentHasFileName;
}

void DocumentSetRules::fileOpened(bool intoReusedPage, int pageCount) {
    if (intoReusedPage && pageCount == 1 && m_untitledCounter == 1) m_untitledCounter = 0;
    m_reuseEmptyPage = false;
}

std::optional<DocumentSetRules::FileIdentity> DocumentSetRules::identityOf(const std::string& fileName) {
    struct stat st {};
    if (fileName.empty() || ::stat(fileName.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

int DocumentSetRules::pageShowing(const std::vector<OpenFile>& pages, std::string_view name,
                                  const std::optional<FileIdentity>& identity) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const OpenFile& page = pages[i];
        const bool same = identity && page.identity ? *identity == *page.identity : page.title == name;
        if (same) return static_cast<int>(i);
    }
    return -1;
}

DocumentSetRules::Closing DocumentSetRules::closing(int pageCount, bool hasFileName, bool pristine) {
    if (pageCount <= 0) return Closing::Nothing;
    if (pageCount > 1) return Closing::Remove;
    return !hasFileName && pristine ? Closing::Nothing : Closing::Empty;
}

bool DocumentSetRules::allClosed(int pageCount, bool hasFileName, bool pristine) {
    return pageCount <= 1 && !hasFileName && pristine;
}

std::string DocumentSetRules::renameTarget(std::string_view oldFileName, std::string_view answer,
                                           std::string_view defaultExtension) {
    if (answer.empty()) return {};
    std::string name(answer);
    if (name.find('.') == std::string::npos)
        name +=
            "." + (oldFileName.empty() ? std::string(defaultExtension) : fileutils::extensionOf(oldFileName));
    const std::string dir = oldFileName.empty() ? std::string() : fileutils::directoryOf(oldFileName);
    return dir.empty() ? name : fileutils::join(dir, name);
}

bool DocumentSetRules::isValidRenameAnswer(std::string_view answer) {
    return answer.find('/') == std::string_view::npos;
}

DocumentSetRules::Rename DocumentSetRules::renameVerdict(std::string_view oldName, std::string_view newName,
                                                         bool openInAnotherPage, bool targetExists,
                                                         bool targetIsTheSameFile) {
    if (newName == oldName) return Rename::Unchanged;
    if (openInAnotherPage) return Rename::OpenInEditor;
    if (targetExists && !targetIsTheSameFile) return Rename::AlreadyExists;
    return Rename::Go;
}

}  // namespace sj
