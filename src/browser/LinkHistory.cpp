#include "browser/LinkHistory.h"

#include <algorithm>

#include "text/CharClass.h"

namespace sj {

void LinkHistory::addOpened(const std::string& address) {
    if (address.empty()) return;
    const bool known = std::any_of(m_entries.begin(), m_entries.end(), [&](const std::string& e) {
        return charclass::compareIgnoreCase(e, address) == 0;
    });
    if (!known) m_entries.push_back(address);
}

}  // namespace sj
