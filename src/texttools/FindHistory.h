#pragma once
// History of texts typed into a find or replace box, newest first. Lives in
// memory only; it is never written to the configuration file.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class FindHistory {
public:
    static constexpr std::size_t kDefaultLimit = 25;

    explicit FindHistory(std::size_t limit = kDefaultLimit) : m_limit(limit) {}

    // Puts text at the top; an equal entry further down moves up instead of
    // appearing twice. Empty texts are not remembered.
    void add(std::string_view text);

    const std::vector<std::string>& items() const { return m_items; }
    std::size_t limit() const { return m_limit; }

private:
    std::size_t m_limit;
    std::vector<std::string> m_items;
};

}  // namespace sj
