#include "workspace/FilterListEditor.h"

#include <algorithm>
#include <utility>

namespace sj {

FilterListEditor::FilterListEditor(std::string_view text) {
    std::vector<std::string> parts;
    while (!text.empty()) {
        const std::size_t bar = text.find('|');
        parts.emplace_back(text.substr(0, std::min(bar, kMaxPartChars)));
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 1);
    }
    for (std::size_t i = 0; i < parts.size(); i += 2)
        m_entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
}

void FilterListEditor::select(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_entries.size()) ? index : -1;
}

std::size_t FilterListEditor::joinedSize(const std::vector<FilterEntry>& entries) {
    if (entries.empty()) return 0;
    std::size_t n = 2 * entries.size() - 1;
    for (const FilterEntry& e : entries) n += e.description.size() + e.wildCards.size();
    return n;
}

std::size_t FilterListEditor::size() const {
    return joinedSize(m_entries);
}

std::string FilterListEditor::joined() const {
    std::string out;
    for (const FilterEntry& e : m_entries) {
        if (e.description.empty() || e.wildCards.empty()) continue;
        if (!out.empty()) out += '|';
        out += e.description + '|' + e.wildCards;
    }
    return out;
}

std::string FilterListEditor::limitMessage() {
    return "Filter size is limited to " + std::to_string(kLimit) +
           " characters. This entry exceeds the limit!";
}

FilterListEditor::Commit FilterListEditor::commit(const std::string& description,
                                                  const std::string& wildCards) {
    std::vector<FilterEntry> next = m_entries;
    int selected = m_selected;
    if (selected < 0) {
        if (description.empty()) return Commit::Unchanged;
        next.push_back({description.substr(0, kMaxPartChars), wildCards.substr(0, kMaxPartChars)});
        selected = static_cast<int>(next.size()) - 1;
    } else {
        FilterEntry& e = next[selected];
        const FilterEntry edited{description.substr(0, kMaxPartChars), wildCards.substr(0, kMaxPartChars)};
        if (e == edited) return Commit::Unchanged;
        e = edited;
    }
    if (joinedSize(next) > kMaxAfterEdit) return Commit::TooLong;
    const bool created = selected != m_selected;
    m_entries = std::move(next);
    m_selected = selected;
    return created ? Commit::Created : Commit::Changed;
}

FilterListEditor::Added FilterListEditor::addNew() {
    if (size() > kMaxBeforeNew) return Added::Refused;
    if (m_selected >= 0 && m_entries[m_selected].description.empty() &&
        m_entries[m_selected].wildCards.empty())
        return Added::FocusOnly;
    m_entries.push_back({std::string(kNewDescription), {}});
    m_selected = static_cast<int>(m_entries.size()) - 1;
    return Added::Added;
}

void FilterListEditor::remove() {
    if (m_selected < 0) return;
    m_entries.erase(m_entries.begin() + m_selected);
    if (m_entries.empty())
        m_selected = -1;
    else
        m_selected = std::max(0, m_selected - 1);
}

void FilterListEditor::moveUp() {
    if (!canMoveUp()) return;
    std::swap(m_entries[m_selected], m_entries[m_selected - 1]);
    --m_selected;
}

void FilterListEditor::moveDown() {
    if (!canMoveDown()) return;
    std::swap(m_entries[m_selected], m_entries[m_selected + 1]);
    ++m_selected;
}

void FilterListEditor::move(int from, int to) {
    const int n = static_cast<int>(m_entries.size());
    if (from < 0 || from >= n || n == 0) return;
    to = std::clamp(to, 0, n - 1);
    FilterEntry e = std::move(m_entries[from]);
    m_entries.erase(m_entries.begin() + from);
    m_entries.insert(m_entries.begin() + to, std::move(e));
    m_selected = to;
}

}  // namespace sj
