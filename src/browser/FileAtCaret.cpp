#include "browser/FileAtCaret.h"

#include <cstdlib>

#include "files/FileUtils.h"

namespace sj {

FileAtCaret::FileAtCaret(std::string documentFile, std::string defaultExt, ExistsFn exists)
    : m_documentDir(fileutils::directoryOf(documentFile)),
      m_defaultExt(std::move(defaultExt)),
      m_exists(std::move(exists)) {}

std::string FileAtCaret::inDocumentDirectory(std::string_view name) const {
    if (name.starts_with("~/")) {
        if (const char* home = std::getenv("HOME")) return fileutils::join(home, name.substr(2));
    }
    // An untitled document has no directory: the program's current one serves.
    return fileutils::longName(name, name.starts_with('/') ? std::string_view() : m_documentDir);
}

FileAtCaret::Resolved FileAtCaret::resolve(std::string_view written) const {
    Resolved out;
    if (written.empty()) return out;
    out.name = inDocumentDirectory(written);
    out.exists = m_exists(out.name);
    if (!out.exists && !m_defaultExt.empty() &&
        fileutils::fileNameOf(out.name).find('.') == std::string::npos) {
        const std::string withExt = out.name + "." + m_defaultExt;
        if (m_exists(withExt)) return {withExt, true};
    }
    return out;
}

std::string FileAtCaret::completeTyped(std::string_view typed) const {
    if (typed.find('/') != std::string_view::npos || m_documentDir.empty()) return std::string(typed);
    return fileutils::join(m_documentDir, typed);
}

}  // namespace sj
