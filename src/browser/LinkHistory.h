#pragma once
// The addresses opened while the program runs: the drop-down of Open Link.
#include <string>
#include <vector>

namespace sj {

class LinkHistory {
public:
    const std::vector<std::string>& entries() const { return m_entries; }
    // An address opened from the text goes to the end, unless the list holds
    // it already in any letter case.
    void addOpened(const std::string& address);
    // The dialog's list as it left it (a typed address on top) takes over.
    void replace(std::vector<std::string> entries) { m_entries = std::move(entries); }

private:
    std::vector<std::string> m_entries;
};

}  // namespace sj
