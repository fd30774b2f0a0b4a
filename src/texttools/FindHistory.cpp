#include "texttools/FindHistory.h"

#include <algorithm>

namespace sj {

void FindHistory::add(std::string_view text) {
    if (text.empty() || m_limit == 0) return;
    const auto it = std::find(m_items.begin(), m_items.end(), text);
    if (it != m_items.end()) m_items.erase(it);
    m_items.insert(m_items.begin(), std::string(text));
    if (m_items.size() > m_limit) m_items.resize(m_limit);
}

}  // namespace sj
