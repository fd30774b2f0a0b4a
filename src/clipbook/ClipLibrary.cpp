#include "clipbook/ClipLibrary.h"

#include <algorithm>
#include <numeric>

#include "clipbook/ClipFileIo.h"
#include "clipbook/ClipLibraryFormat.h"
#include "clipbook/ClipTitleKey.h"
#include "clipbook/ClipbookHost.h"
#include "clipbook/LibraryNames.h"
#include "text/Utf8.h"

namespace sj {
namespace {

constexpr std::size_t kDefaultTitleChars = 80;

std::string defaultTitleOf(const std::string& body) {
    std::size_t cr = body.find('\r');
    if (cr != std::string::npos) return body.substr(0, cr);
    std::size_t pos = 0;
    for (std::size_t n = 0; n < kDefaultTitleChars && pos < body.size(); ++n) utf8::decode(body, pos);
    return body.substr(0, pos);
}

}  // namespace

void ClipLibrary::reset() {
    m_items.clear();
    m_keys.clear();
    m_multiLine = true;
    m_sorted = true;
}

void ClipLibrary::assignItems(std::vector<ClipItem> items) {
    m_items = std::move(items);
    m_keys.clear();
    m_keys.reserve(m_items.size());
    for (const ClipItem& item : m_items) m_keys.push_back(foldedKey(item.title));
    if (m_sorted) sortItems();
}

void ClipLibrary::sortItems() {
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t a, std::size_t b) { return m_keys[a] < m_keys[b]; });
    std::vector<ClipItem> items;
    std::vector<std::string> keys;
    items.reserve(order.size());
    keys.reserve(order.size());
    for (std::size_t i : order) {
        items.push_back(std::move(m_items[i]));
        keys.push_back(std::move(m_keys[i]));
    }
    m_items = std::move(items);
    m_keys = std::move(keys);
}

void ClipLibrary::loadFromText(std::string_view text) {
    ClipLibraryData data;
    data.sorted = m_sorted;
    data.tabWidth = m_tabWidth;
    parseClipLibrary(text, data);
    m_multiLine = data.multiLine;
    m_sorted = data.sorted;
    m_tabWidth = data.tabWidth;
    assignItems(std::move(data.items));
    m_modified = false;
}

std::string ClipLibrary::toText() const {
    ClipLibraryData data;
    data.items = m_items;
    data.multiLine = m_multiLine;
    data.sorted = m_sorted;
    data.tabWidth = m_tabWidth;
    return formatClipLibrary(data);
}

LibraryFileResult ClipLibrary::loadFromFile(const std::string& path) {
    LibraryFileResult result;
    m_modified = false;
    ReadFileResult file = readWholeFile(path);
    if (file.status == ReadStatus::Missing) {
        reset();
        m_charset = ClipCharset::Utf8;
        m_unreadablePath.clear();
        return result;
    }
    if (file.status == ReadStatus::Failed) {
        reset();
        m_unreadablePath = path;
        result.ok = false;
        result.error = "Error: could not read " + quotedName(path) + " (" + file.error + ").";
        return result;
    }
    m_unreadablePath.clear();
    DecodedLibraryText decoded = decodeLibraryBytes(file.bytes);
    file.bytes = std::string();
    m_charset = decoded.charset;
    result.stoppedAtNul = decoded.stoppedAtNul;
    m_items.clear();
    m_keys.clear();
    loadFromText(decoded.text);
    return result;
}

LibraryFileResult ClipLibrary::saveToFile(const std::string& path) {
    LibraryFileResult result;
    if (!m_unreadablePath.empty() && m_unreadablePath == path) {
        result.ok = false;
        result.error = "Error: " + quotedName(path) + " could not be read, so it is not overwritten.";
        return result;
    }
    ClipLibraryData data;
    data.items = m_items;
    data.multiLine = m_multiLine;
    data.sorted = m_sorted;
    data.tabWidth = m_tabWidth;
    bool usedMultiLine = m_multiLine;
    std::string text = formatClipLibrary(data, &usedMultiLine);
    EncodedLibraryText encoded = encodeLibraryText(text, m_charset);
    std::string failure = writeFileAtomically(path, encoded.bytes);
    if (!failure.empty()) {
        result.ok = false;
        result.error = "Error: could not write " + quotedName(path) + " (" + failure + ").";
        return result;
    }
    m_multiLine = usedMultiLine;
    result.switchedToUtf8 = encoded.charset != m_charset;
    m_charset = encoded.charset;
    m_modified = false;
    return result;
}

int ClipLibrary::insertItem(ClipItem item) {
    std::string key = foldedKey(item.title);
    std::size_t at = m_items.size();
    if (m_sorted)
        at = static_cast<std::size_t>(std::upper_bound(m_keys.begin(), m_keys.end(), key) - m_keys.begin());
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    m_keys.insert(m_keys.begin() + static_cast<std::ptrdiff_t>(at), std::move(key));
    return static_cast<int>(at);
}

int ClipLibrary::addItem(const std::string& title, const std::string& body, const TitleAsker& askTitle) {
    if (!m_multiLine && body.find_first_of("\r\n") != std::string::npos) m_multiLine = true;

    int index;
    if (m_multiLine) {
        std::string t = title;
        if (t.empty()) {
            std::optional<std::string> answer;
            if (askTitle) answer = askTitle(shownDefaultText(defaultTitleOf(body)));
            if (!answer || answer->empty()) return -1;
            t = std::move(*answer);
        }
        index = findItem(t, true);
        if (index >= 0)
            m_items[static_cast<std::size_t>(index)].body.setText(body);
        else
            index = insertItem(ClipItem(std::move(t), body));
    } else {
        index = findItem(body, true) >= 0 ? -1 : insertItem(ClipItem(body, body));
    }
    m_modified = true;
    return index;
}

int ClipLibrary::removeItem(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return m_items.empty() ? -1 : 0;
    m_items.erase(m_items.begin() + index);
    m_keys.erase(m_keys.begin() + index);
    m_modified = true;
    if (m_items.empty()) return -1;
    return index > 0 ? index - 1 : 0;
}

void ClipLibrary::toggleSorted() {
    m_sorted = !m_sorted;
    if (m_sorted) sortItems();
    m_modified = true;
}

int ClipLibrary::moveItem(int from, int to) {
    const int n = static_cast<int>(m_items.size());
    if (from < 0 || from >= n) return -1;
    to = std::clamp(to, 0, n - 1);
    if (from == to) return from;
    m_sorted = false;
    ClipItem item = std::move(m_items[static_cast<std::size_t>(from)]);
    std::string key = std::move(m_keys[static_cast<std::size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_keys.erase(m_keys.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    m_keys.insert(m_keys.begin() + to, std::move(key));
    m_modified = true;
    return to;
}

int ClipLibrary::applyEditor(int index, const std::string& title, const std::string& body) {
    const bool editing = index >= 0 && static_cast<std::size_t>(index) < m_items.size();
    if (!editing) index = -1;
    const std::string oldTitle = editing ? m_items[static_cast<std::size_t>(index)].title : "New Item";
    const std::string oldBody =
        editing ? m_items[static_cast<std::size_t>(index)].body.text() : std::string();
    if (title == oldTitle && body == oldBody) return -1;
    if (title.empty()) {
        if (!body.empty() || !editing) return -1;
        return removeItem(index);
    }

    m_multiLine = true;
    m_modified = true;
    int other = -1;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (static_cast<int>(i) != index && m_items[i].title == title) {
            other = static_cast<int>(i);
            break;
        }
    }
    if (other >= 0) {
        m_items[static_cast<std::size_t>(other)].body.setText(body);
        if (editing) {
            m_items.erase(m_items.begin() + index);
            m_keys.erase(m_keys.begin() + index);
            if (index < other) --other;
        }
        return other;
    }
    if (!editing) return insertItem(ClipItem(title, body));

    ClipItem& item = m_items[static_cast<std::size_t>(index)];
    item.body.setText(body);
    if (item.title == title) return index;
    ClipItem renamed(title, item.body.text());
    m_items.erase(m_items.begin() + index);
    m_keys.erase(m_keys.begin() + index);
    if (m_sorted) return insertItem(std::move(renamed));
    m_items.insert(m_items.begin() + index, std::move(renamed));
    m_keys.insert(m_keys.begin() + index, foldedKey(title));
    return index;
}

int ClipLibrary::findItem(std::string_view title, bool caseSensitive) const {
    if (caseSensitive) {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].title == title) return static_cast<int>(i);
        return -1;
    }
    std::string key = foldedKey(title);
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == key) return static_cast<int>(i);
    return -1;
}

}  // namespace sj
