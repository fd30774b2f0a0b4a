#pragma once
// The entries of one favourites list as the user edits them, with the flag
// that tells whether they changed since they were loaded or saved. File names
// compare exactly, as the file system compares them.
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class FavoriteEntries {
public:
    const std::vector<std::string>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    bool modified() const { return m_modified; }

    // Loaded or saved: the flag clears.
    void reset(std::vector<std::string> items);
    void markSaved() { m_modified = false; }

    bool contains(std::string_view name) const;
    // Appends each name not yet in the list; returns how many were added.
    std::size_t addMissing(const std::vector<std::string>& names);
    void append(std::string entry);
    void set(std::size_t index, std::string entry);
    // Removes the entries at the indices (any order, duplicates allowed).
    void remove(std::vector<std::size_t> indices);
    // Every selected entry one place up or down; nothing moves when the
    // selection touches the end it would pass. Returns the new indices.
    std::vector<std::size_t> moveUp(std::vector<std::size_t> indices);
    std::vector<std::size_t> moveDown(std::vector<std::size_t> indices);
    // Drag and drop: the entry goes to the place of `to` (to == size(): the end).
    std::size_t moveTo(std::size_t from, std::size_t to);
    // Ascending without regard to case.
    void sort();
    // An entry naming oldName exactly now names newName; true when one did.
    bool rename(std::string_view oldName, const std::string& newName);

private:
    std::vector<std::string> m_items;
    bool m_modified = false;
};

}  // namespace sj
