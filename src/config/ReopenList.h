#pragma once
// The reopen list: at most ten recently closed files, newest on top.
#include <functional>
#include <string>
#include <vector>

namespace sj {

class ReopenList {
public:
    static constexpr std::size_t kCapacity = 10;

    // Ignored for an empty name, a name already listed (it keeps its place) or,
    // with mustExist, a file that is not there.
    void add(const std::string& name, bool mustExist = true);
    void remove(const std::string& name);
    const std::vector<std::string>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    // "&0 /path/file" ... "&9 ...".
    static std::string caption(std::size_t index, const std::string& name);

    // Stands in for the file system in tests.
    std::function<bool(const std::string&)> exists;

private:
    std::vector<std::string> m_entries;
};

}  // namespace sj
