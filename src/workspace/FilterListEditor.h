#pragma once
// The file filter list as the preferences edit it: entries of a description and
// wild cards, kept within the size the file dialogs accept.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

struct FilterEntry {
    std::string description;
    std::string wildCards;
    bool operator==(const FilterEntry&) const = default;
};

class FilterListEditor {
public:
    static constexpr std::size_t kLimit = 10240;
    static constexpr std::size_t kMaxAfterEdit = 10238;
    static constexpr std::size_t kMaxBeforeNew = 10231;
    static constexpr std::size_t kMaxPartChars = 120;
    static constexpr std::string_view kNewDescription = "New";

    // "description|wild cards|description|wild cards..."
    explicit FilterListEditor(std::string_view filterText);

    const std::vector<FilterEntry>& entries() const { return m_entries; }
    int selected() const { return m_selected; }
    void select(int index);

    // The length of the list's text with every entry joined, as the file dialogs get it.
    std::size_t size() const;
    // The list's text; entries lacking a description or wild cards are left out.
    std::string joined() const;
    // "Filter size is limited to 10240 characters. This entry exceeds the limit!"
    static std::string limitMessage();

    enum class Commit { Unchanged, Changed, Created, TooLong };
    // The fields as the user leaves them. Nothing selected and a description
    // given: a new entry, selected. An entry selected: it takes the fields. An
    // edit that would make the list too long changes nothing (TooLong).
    Commit commit(const std::string& description, const std::string& wildCards);

    enum class Added { Refused, FocusOnly, Added };
    // Refused when the list is nearly full; FocusOnly when the selected entry
    // is still empty; otherwise appends an entry "New" and selects it.
    Added addNew();
    // Removes the selected entry; the one before it (or the first) is selected.
    void remove();
    bool canRemove() const { return m_selected >= 0; }
    bool canMoveUp() const { return m_selected > 0; }
    bool canMoveDown() const {
        return m_selected >= 0 && m_selected + 1 < static_cast<int>(m_entries.size());
    }
    void moveUp();
    void moveDown();
    // Dragging: an entry dropped beyond the last lands on the last place.
    void move(int from, int to);

private:
    static std::size_t joinedSize(const std::vector<FilterEntry>& entries);
    std::vector<FilterEntry> m_entries;
    int m_selected = -1;
};

}  // namespace sj
