#include "favorites/FavoriteEntries.h"

#include <algorithm>
#include <unordered_set>

#include "text/CharClass.h"

namespace sj {
namespace {

std::vector<std::size_t> sortedUnique(std::vector<std::size_t> indices, std::size_t size) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    while (!indices.empty() && indices.back() >= size) indices.pop_back();
    return indices;
}

}  // namespace

void FavoriteEntries::reset(std::vector<std::string> items) {
    m_items = std::move(items);
    m_modified = false;
}

bool FavoriteEntries::contains(std::string_view name) const {
    return std::find(m_items.begin(), m_items.end(), name) != m_items.end();
}

std::size_t FavoriteEntries::addMissing(const std::vector<std::string>& names) {
    std::unordered_set<std::string_view> known(m_items.begin(), m_items.end());
    std::vector<std::string> added;
    for (const std::string& n : names)
        if (!n.empty() && known.insert(n).second) added.push_back(n);
    // The set refers into m_items: grow the list only once it is no longer needed.
    known.clear();
    for (std::string& n : added) m_items.push_back(std::move(n));
    if (!added.empty()) m_modified = true;
    return added.size();
}

void FavoriteEntries::append(std::string entry) {
    m_items.push_back(std::move(entry));
    m_modified = true;
}

void FavoriteEntries::set(std::size_t index, std::string entry) {
    if (index >= m_items.size() || m_items[index] == entry) return;
    m_items[index] = std::move(entry);
    m_modified = true;
}

void FavoriteEntries::remove(std::vector<std::size_t> indices) {
    indices = sortedUnique(std::move(indices), m_items.size());
    for (auto it = indices.rbegin(); it != indices.rend(); ++it)
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*it));
    if (!indices.empty()) m_modified = true;
}

std::vector<std::size_t> FavoriteEntries::moveUp(std::vector<std::size_t> indices) {
    indices = sortedUnique(std::move(indices), m_items.size());
    if (indices.empty() || indices.front() == 0) return indices;
    for (std::size_t& i : indices) {
        std::swap(m_items[i], m_items[i - 1]);
        --i;
    }
    m_modified = true;
    return indices;
}

std::vector<std::size_t> FavoriteEntries::moveDown(std::vector<std::size_t> indices) {
    indices = sortedUnique(std::move(indices), m_items.size());
    if (indices.empty() || indices.back() + 1 >= m_items.size()) return indices;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        std::swap(m_items[*it], m_items[*it + 1]);
        ++*it;
    }
    m_modified = true;
    return indices;
}

std::size_t FavoriteEntries::moveTo(std::size_t from, std::size_t to) {
    if (from >= m_items.size()) return from;
    to = std::min(to, m_items.size() - 1);
    if (to == from) return from;
    std::string moving = std::move(m_items[from]);
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(from));
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
    m_modified = true;
    return to;
}

void FavoriteEntries::sort() {
    std::stable_sort(m_items.begin(), m_items.end(), [](const std::string& a, const std::string& b) {
        return charclass::compareIgnoreCase(a, b) < 0;
    });
    m_modified = true;
}

bool FavoriteEntries::rename(std::string_view oldName, const std::string& newName) {
    bool renamed = false;
    for (std::string& e : m_items)
        if (e == oldName) {
            e = newName;
            renamed = true;
        }
    if (renamed) m_modified = true;
    return renamed;
}

}  // namespace sj
