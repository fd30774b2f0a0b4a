#include "config/ReopenList.h"

#include <algorithm>

#include "files/FileUtils.h"

namespace sj {

void ReopenList::add(const std::string& name, bool mustExist) {
    if (name.empty()) return;
    if (mustExist && !(exists ? exists(name) : fileutils::fileExists(name))) return;
    if (std::find(m_entries.begin(), m_entries.end(), name) != m_entries.end()) return;
    if (m_entries.size() >= kCapacity) m_entries.pop_back();
    m_entries.insert(m_entries.begin(), name);
}

void ReopenList::remove(const std::string& name) {
    std::erase(m_entries, name);
}

std::string ReopenList::caption(std::size_t index, const std::string& name) {
    return "&" + std::to_string(index % 10) + " " + name;
}

}  // namespace sj
