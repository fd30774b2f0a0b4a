#include "config/FilePropertiesStore.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "config/TabStops.h"
#include "files/FileStatus.h"
#include "files/FileUtils.h"
#include "files/SafeFileWriter.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool parseInt(std::string_view s, int& out) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size()) return false;
    out = v;
    return true;
}

// Characters that would end a field, the key or the line if written.
std::string withoutSeparators(std::string_view s, std::string_view separators) {
    std::string out;
    out.reserve(s.size());
    for (const char c : s)
        if (separators.find(c) == std::string_view::npos) out.push_back(c);
    return out;
}

std::string firstChars(std::string_view s, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < s.size(); ++n) utf8::decode(s, pos);
    return std::string(s.substr(0, pos));
}

}  // namespace

FilePropertiesStore::FilePropertiesStore(std::size_t capacity, std::string fileName)
    : m_capacity(capacity), m_fileName(std::move(fileName)) {}

std::string FilePropertiesStore::resolvePath(std::string_view configured, std::string_view dataDirectory) {
    if (configured.find('/') != std::string_view::npos) return std::string(configured);
    return fileutils::join(dataDirectory, configured);
}

std::string FilePropertiesStore::formatLine(std::string_view key, const FileProperties& r) {
    const int lineFormat = r.lineFormat >= 0 && r.lineFormat < 3 ? r.lineFormat : 0;
    std::string line(key);
    line += '=';
    line += std::to_string((r.oemText ? 1 : 0) + 16 * lineFormat + (r.lineFormatChosen ? kChosenFlag : 0));
    if (r.defaultSettings) {
        line += ";1";
        return line;
    }
    line += ";0;";
    line += r.wordWrap ? '1' : '0';
    line += ';';
    line += withoutSeparators(TabStops::toStored(r.tabSettings), "=\r\n");
    line += ';';
    line += std::to_string(r.fontSize);
    line += ';';
    line += firstChars(withoutSeparators(r.fontName, ";=\r\n"), kMaxFontName);
    line += ';';
    line += FontText::styleToText(r.fontStyle);
    return line;
}

std::optional<std::pair<std::string, FileProperties>> FilePropertiesStore::parseLine(std::string_view line,
                                                                                     bool olderLayout) {
    // The value never holds "=", so the last one ends the key and a file name
    // with "=" in it survives.
    const std::size_t eq = line.rfind('=');
    if (eq == std::string_view::npos || eq == 0) return std::nullopt;
    std::pair<std::string, FileProperties> entry{std::string(line.substr(0, eq)), FileProperties{}};
    FileProperties& r = entry.second;
    std::string_view value = line.substr(eq + 1);

    // Fields: flags; default; word wrap; tabs; size; font name; the rest is the style.
    std::string_view fields[7];
    std::size_t count = 0;
    while (count < 6) {
        const std::size_t semi = value.find(';');
        fields[count++] = value.substr(0, semi);
        if (semi == std::string_view::npos) {
            value = {};
            break;
        }
        value.remove_prefix(semi + 1);
    }
    if (count == 6) fields[count++] = value;

    int flags = 0;
    if (!parseInt(fields[0], flags) || flags < 0 || flags > 255) flags = 0;
    r.oemText = (flags & 0x0F) != 0;
    r.lineFormat = ((flags >> 4) & 3) < 3 ? ((flags >> 4) & 3) : 0;
    r.lineFormatChosen = (flags & kChosenFlag) != 0;

    int isDefault = 1;
    if (count > 1 && parseInt(fields[1], isDefault) && isDefault == 0) {
        r.defaultSettings = false;
    } else {
        r.defaultSettings = true;
        return entry;
    }
    int n = 0;
    r.wordWrap = count > 2 && parseInt(fields[2], n) && n >= 1;
    if (count > 3 && !olderLayout) r.tabSettings = TabStops::fromStored(fields[3]);
    r.fontSize = 0;
    if (count > 4 && parseInt(fields[4], n)) r.fontSize = n;
    if (count > 5) r.fontName = std::string(fields[5]);
    if (count > 6) r.fontStyle = FontText::styleFromText(fields[6]);
    return entry;
}

bool FilePropertiesStore::load() {
    m_entries.clear();
    if (FileStatus::of(m_fileName) != FileStatus::kUsable) return false;
    std::string bytes;
    {
        FILE* f = std::fopen(m_fileName.c_str(), "rb");
        if (!f) return false;
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
        std::fclose(f);
    }
    m_bom = std::string_view(bytes).starts_with(kBom);
    m_windows1252Keys.clear();
    bool sawUtf8 = false;
    bool sawWindows1252 = false;
    std::unordered_set<std::string> seen;
    std::string_view rest = std::string_view(bytes).substr(m_bom ? kBom.size() : 0);
    while (!rest.empty() && m_entries.size() < m_capacity) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view raw = rest.substr(0, end);
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            rest.remove_prefix(end + (rest.substr(end, 2) == "\r\n" ? 2 : 1));
        }
        // Each line decides its own character set: one file name in another
        // encoding must not turn every other line into Windows-1252.
        const bool utf8Line = utf8::isValid(raw);
        std::string decoded;
        if (!utf8Line) decoded = cp1252::toUtf8(raw);
        auto entry = parseLine(utf8Line ? raw : std::string_view(decoded), m_olderLayout);
        if (!entry) continue;
        if (utf8Line) {
            sawUtf8 = sawUtf8 || !std::all_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) == 0; });
        } else {
            sawWindows1252 = true;
            m_windows1252Keys.insert(entry->first);
        }
        // A name listed twice keeps its first (most recent) record.
        if (seen.insert(entry->first).second) m_entries.push_back(std::move(*entry));
    }
    m_charset = sawWindows1252 && !sawUtf8 ? TextCharset::Windows1252 : TextCharset::Utf8;
    return true;
}

bool FilePropertiesStore::save() const {
    if (FileStatus::of(m_fileName) == FileStatus::kCannotOpen) return false;
    if (!fileutils::directoryWritable(fileutils::directoryOf(m_fileName))) return false;
    std::string bytes = m_bom ? std::string(kBom) : std::string();
    for (const auto& [key, record] : m_entries) {
        const std::string line = formatLine(key, record);
        // Lines go back in the set they were read in (new ones in the file's);
        // a name Windows-1252 cannot hold stays UTF-8 rather than being lost.
        std::optional<std::string> legacy;
        if (m_charset == TextCharset::Windows1252 || m_windows1252Keys.count(key))
            legacy = cp1252::fromUtf8(line);
        bytes += legacy ? *legacy : line;
        bytes += "\r\n";
    }
    return SafeFileWriter::write(m_fileName, bytes).ok;
}

bool FilePropertiesStore::find(std::string_view fileName, FileProperties& out) const {
    for (const auto& [key, record] : m_entries) {
        if (key == fileName) {
            out = record;
            return true;
        }
    }
    return false;
}

void FilePropertiesStore::store(std::string_view fileName, const FileProperties& record) {
    if (fileName.empty() || fileName.find_first_of("\r\n") != std::string_view::npos) return;
    const auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& e) { return e.first == fileName; });
    if (it != m_entries.end()) {
        it->second = record;
        std::rotate(m_entries.begin(), it, it + 1);
        return;
    }
    if (m_capacity == 0) return;
    while (m_entries.size() >= m_capacity) m_entries.pop_back();
    m_entries.insert(m_entries.begin(), {std::string(fileName), record});
}

void FilePropertiesStore::setCapacity(std::size_t capacity) {
    m_capacity = capacity;
    if (m_entries.size() > capacity) m_entries.resize(capacity);
}

FileProperties FilePropertiesStore::recordForOpen(const FileProperties* stored, bool wordWrapOption,
                                                  std::string_view tabSettingsOption, int fileFormatOption,
                                                  std::optional<bool> asciiFilterChosen) {
    FileProperties r;
    if (stored && !stored->defaultSettings) {
        r = *stored;
    } else {
        r.defaultSettings = true;
        r.wordWrap = wordWrapOption;
        r.tabSettings = std::string(tabSettingsOption);
        if (stored) {
            r.oemText = stored->oemText;
            r.lineFormat = stored->lineFormat;
            r.lineFormatChosen = stored->lineFormatChosen;
        }
    }
    if (asciiFilterChosen) r.oemText = *asciiFilterChosen;
    if (fileFormatOption == 1 && r.defaultSettings && !r.lineFormatChosen) r.lineFormat = 1;
    return r;
}

FileProperties FilePropertiesStore::recordForClose(const FileProperties& page, int fileFormatOption) {
    if (!page.defaultSettings) return page;
    FileProperties r;
    r.oemText = page.oemText;
    r.defaultSettings = true;
    // A format the file's breaks gave is found again at the next load; only
    // the user's own choice is worth remembering.
    r.lineFormatChosen = page.lineFormatChosen;
    r.lineFormat = page.lineFormatChosen ? page.lineFormat : fileFormatOption;
    return r;
}

}  // namespace sj
