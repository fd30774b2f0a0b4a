#pragma once
// One clip library in memory: its items, the form it is written in, and
// whether it has unsaved changes.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clipbook/ClipItem.h"
#include "clipbook/ClipLibraryCodec.h"

namespace sj {

struct LibraryFileResult {
    bool ok = true;
    std::string error;  // message for an error box when !ok
    // Reading: a NUL byte ended the text early; what followed it was not read.
    bool stoppedAtNul = false;
    // Writing: the file was written as UTF-8 because its character set could not hold every character.
    bool switchedToUtf8 = false;
};

class ClipLibrary {
public:
    // Asks for the title of an added item given the default shown; nullopt for Cancel.
    using TitleAsker = std::function<std::optional<std::string>(const std::string& shownDefault)>;

    const std::vector<ClipItem>& items() const { return m_items; }
    std::size_t count() const { return m_items.size(); }
    const ClipItem& item(std::size_t index) const { return m_items[index]; }

    bool sorted() const { return m_sorted; }
    bool multiLine() const { return m_multiLine; }
    int tabWidth() const { return m_tabWidth; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    ClipCharset charset() const { return m_charset; }

    // Empties the list and makes it a fresh library (multi-line, sorted).
    void reset();

    // Loading clears the modified flag. A missing file is a new, empty library.
    // When the file cannot be read the list is empty and that file is protected
    // from being overwritten by a save until it has been read successfully.
    LibraryFileResult loadFromFile(const std::string& path);
    LibraryFileResult saveToFile(const std::string& path);

    // The same without a file: text is UTF-8.
    void loadFromText(std::string_view text);
    std::string toText() const;

    // Adds body under title (see the library rules: single-line libraries use the
    // body as title, multi-line ones ask through askTitle when title is empty).
    // Returns the index of the added or replaced item, or -1.
    int addItem(const std::string& title, const std::string& body, const TitleAsker& askTitle);

    // Removes an item; returns the index to select afterwards (-1 when the list is empty).
    int removeItem(int index);

    void toggleSorted();

    // Moves an item to another place (turning Sorted off); returns its new index.
    int moveItem(int from, int to);

    // Applies the item editor's OK. index is the edited item, or -1 for a new one
    // (whose editor started with the title "New Item" and no content). Returns the
    // index to select, or -1 when nothing changed.
    int applyEditor(int index, const std::string& title, const std::string& body);

    // First item titled exactly so, or ignoring case; -1 when none.
    int findItem(std::string_view title, bool caseSensitive = true) const;

    // The case-folded title of an item, used for ordering and lookups.
    const std::string& foldedTitle(std::size_t index) const { return m_keys[index]; }

private:
    int insertItem(ClipItem item);
    void sortItems();
    void assignItems(std::vector<ClipItem> items);

    std::vector<ClipItem> m_items;
    std::vector<std::string> m_keys;  // folded titles, parallel to m_items
    bool m_sorted = true;
    bool m_multiLine = true;
    int m_tabWidth = 30;
    bool m_modified = false;
    ClipCharset m_charset = ClipCharset::Utf8;
    std::string m_unreadablePath;
};

}  // namespace sj
