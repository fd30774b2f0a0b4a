#pragma once
// The titles the document selector lists: every open document, sorted without
// regard to case, so that titles differing only in case stand together.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class DocumentSelectorList {
public:
    // Case-insensitive order; titles equal but for case fall back to their bytes.
    static bool titleLess(std::string_view a, std::string_view b);

    explicit DocumentSelectorList(std::vector<std::string> titles = {});

    // Each returns the row of the title concerned.
    std::size_t add(std::string title);
    void remove(std::string_view title);
    std::optional<std::size_t> replace(std::string_view oldTitle, std::string newTitle);
    std::optional<std::size_t> indexOf(std::string_view title) const;

    const std::vector<std::string>& titles() const { return m_titles; }
    std::string caption() const { return "Document Selector [" + std::to_string(m_titles.size()) + "]"; }

private:
    std::vector<std::string> m_titles;
};

}  // namespace sj
