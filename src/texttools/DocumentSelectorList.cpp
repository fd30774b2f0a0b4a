#include "texttools/DocumentSelectorList.h"

#include <algorithm>

#include "text/Utf8.h"
#include "texttools/FindMatcher.h"

namespace sj {

bool DocumentSelectorList::titleLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = FindMatcher::fold(utf8::decode(a, i));
        const char32_t cb = FindMatcher::fold(utf8::decode(b, j));
        if (ca != cb) return ca < cb;
    }
    if ((i < a.size()) != (j < b.size())) return j < b.size();
    return a < b;
}

DocumentSelectorList::DocumentSelectorList(std::vector<std::string> titles) : m_titles(std::move(titles)) {
    std::sort(m_titles.begin(), m_titles.end(), titleLess);
}

std::size_t DocumentSelectorList::add(std::string title) {
    const auto it = std::upper_bound(m_titles.begin(), m_titles.end(), title, titleLess);
    const auto row = static_cast<std::size_t>(it - m_titles.begin());
    m_titles.insert(it, std::move(title));
    return row;
}

void DocumentSelectorList::remove(std::string_view title) {
    if (const auto i = indexOf(title)) m_titles.erase(m_titles.begin() + static_cast<std::ptrdiff_t>(*i));
}

std::optional<std::size_t> DocumentSelectorList::replace(std::string_view oldTitle, std::string newTitle) {
    if (!indexOf(oldTitle)) return std::nullopt;
    remove(oldTitle);
    return add(std::move(newTitle));
}

std::optional<std::size_t> DocumentSelectorList::indexOf(std::string_view title) const {
    const auto it = std::find(m_titles.begin(), m_titles.end(), title);
    if (it == m_titles.end()) return std::nullopt;
    return static_cast<std::size_t>(it - m_titles.begin());
}

}  // namespace sj
