#include "config/IniFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_set>

#include "files/SafeFileWriter.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {

constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string oneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

IniFile::Line IniFile::parseLine(std::string text) {
    Line line;
    const std::string_view t = trim(text);
    if (!t.empty() && t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = std::string(trim(t.substr(1, close - 1)));
        }
    } else if (!t.empty() && t.front() != ';' && t.front() != '#') {
        const auto eq = t.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view key = trim(t.substr(0, eq));
            if (!key.empty()) {
                line.kind = Kind::Key;
                line.name = std::string(key);
                line.value = std::string(trim(t.substr(eq + 1)));
            }
        }
    }
    line.text = std::move(text);
    return line;
}

void IniFile::parse(std::string_view bytes) {
    m_lines.clear();
    m_bom = bytes.starts_with("\xEF\xBB\xBF");
    if (m_bom) bytes.remove_prefix(3);
    invalidateIndex();
    const std::string_view text = bytes;
    m_eol = "\n";
    const auto firstBreak = text.find_first_of("\r\n");
    if (firstBreak != npos && text.compare(firstBreak, 2, "\r\n") == 0) m_eol = "\r\n";

    bool sawUtf8 = false;
    bool sawWindows1252 = false;
    auto addLine = [&](std::string_view raw) {
        const bool ascii = std::all_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) == 0; });
        if (ascii || utf8::isValid(raw)) {
            // A second mark at the very start says nothing about the text.
            const std::string_view body =
                m_lines.empty() && raw.starts_with("\xEF\xBB\xBF") ? raw.substr(3) : raw;
            sawUtf8 =
                sawUtf8 || !std::all_of(body.begin(), body.end(), [](char c) { return (c & 0x80) == 0; });
            m_lines.push_back(parseLine(std::string(raw)));
        } else {
            sawWindows1252 = true;
            m_lines.push_back(parseLine(cp1252::toUtf8(raw)));
            m_lines.back().windows1252 = true;
        }
    };
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == npos) {
            addLine(text.substr(start));
            break;
        }
        addLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    m_charset = sawWindows1252 && !sawUtf8 ? Charset::Windows1252 : Charset::Utf8;
}

bool IniFile::load(std::string* error) {
    m_lines.clear();
    invalidateIndex();
    m_existed = false;
    m_unreadable = false;
    m_charset = Charset::Utf8;
    m_bom = false;
    m_eol = "\n";
    std::error_code ec;
    const auto status = std::filesystem::status(m_path, ec);
    if (ec || !std::filesystem::exists(status)) return true;
    m_existed = true;
    std::ifstream in(m_path, std::ios::binary);
    std::string bytes;
    if (in && !std::filesystem::is_directory(status)) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (!in.bad()) {
            parse(bytes);
            return true;
        }
    }
    m_unreadable = true;
    if (error) *error = "Unable to read " + m_path;
    return false;
}

std::string IniFile::serialize() const {
    return encoded(nullptr);
}

std::string IniFile::encoded(bool* fellBackToUtf8) const {
    if (fellBackToUtf8) *fellBackToUtf8 = false;
    std::string text;
    for (const Line& line : m_lines) {
        // A character Windows-1252 cannot hold is never dropped: that line
        // becomes UTF-8 instead.
        std::optional<std::string> legacy;
        if (line.windows1252) legacy = cp1252::fromUtf8(line.text);
        if (line.windows1252 && !legacy && fellBackToUtf8) *fellBackToUtf8 = true;
        text += legacy ? *legacy : line.text;
        text += m_eol;
    }
    return m_bom ? "\xEF\xBB\xBF" + text : text;
}

bool IniFile::save(std::string* error) {
    const std::string failure = "Unable to write to " + m_path;
    auto fail = [&] {
        if (error) *error = failure;
        return false;
    };
    if (m_path.empty() || m_unreadable) return fail();

    // Write through a link to its target so that the link survives.
    std::string target = m_path;
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (ec) return fail();
        target = resolved.string();
    }

    bool fellBack = false;
    if (!SafeFileWriter::write(target, encoded(&fellBack)).ok) return fail();
    if (fellBack) m_charset = Charset::Utf8;
    m_existed = true;
    return true;
}

std::size_t IniFile::lookupKey(std::string_view section, std::string_view key) const {
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = ascii::toLower(c);
        return out;
    };
    if (!m_indexed) {
        m_keyIndex.clear();
        std::unordered_map<std::string, bool> sectionsSeen;
        bool inFirst = false;  // inside the first section of its name
        std::string current;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const Line& line = m_lines[i];
            if (line.kind == Kind::Section) {
                current = lower(line.name);
                inFirst = sectionsSeen.emplace(current, true).second;
            } else if (line.kind == Kind::Key && inFirst) {
                m_keyIndex.emplace(current + '\n' + lower(line.name), i);  // the first key wins
            }
        }
        m_indexed = true;
    }
    const auto it = m_keyIndex.find(lower(section) + '\n' + lower(key));
    return it == m_keyIndex.end() ? npos : it->second;
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Section && ascii::equalsIgnoringCase(m_lines[i].name, section)) return i;
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section) ++i;
    return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    if (header == npos) return npos;
    for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i)
        if (m_lines[i].kind == Kind::Key && ascii::equalsIgnoringCase(m_lines[i].name, key)) return i;
    return npos;
}

bool IniFile::sectionExists(std::string_view section) const {
    return findSection(section) != npos;
}

bool IniFile::keyExists(std::string_view section, std::string_view key) const {
    return lookupKey(section, key) != npos;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto i = lookupKey(section, key);
    if (i == npos) return std::nullopt;
    return m_lines[i].value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
    const auto i = lookupKey(section, key);
    if (i == npos) return std::string(def);
    const std::string& v = m_lines[i].value;
    std::size_t pos = 0;
    for (std::size_t n = 0; n < kMaxStringChars && pos < v.size(); ++n) utf8::decode(v, pos);
    return v.substr(0, pos);
}

std::optional<int> IniFile::parseInteger(std::string_view text) {
    text = trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t bits = 0;
        const char* first = text.data() + 2;
        const char* last = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(first, last, bits, 16);
        if (ec != std::errc() || ptr != last) return std::nullopt;
        return static_cast<int>(bits);
    }
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    int n = 0;
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), last, n, 10);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return n;
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    const auto i = lookupKey(section, key);
    if (i == npos) return def;
    return parseInteger(m_lines[i].value).value_or(def);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string k = oneLine(trim(key));
    const std::string v = oneLine(trim(value));
    if (k.empty()) return;
    invalidateIndex();
    Line line;
    line.kind = Kind::Key;
    line.windows1252 = m_charset == Charset::Windows1252;
    line.text = k + "=" + v;
    line.name = k;
    line.value = v;

    const auto header = findSection(section);
    if (header == npos) {
        if (!m_lines.empty() && !trim(m_lines.back().text).empty()) m_lines.push_back(parseLine(""));
        m_lines.push_back(parseLine("[" + oneLine(trim(section)) + "]"));
        m_lines.back().windows1252 = line.windows1252;
        m_lines.push_back(std::move(line));
        return;
    }
    const auto existing = findKey(header, key);
    if (existing != npos) {
        line.text = m_lines[existing].name + "=" + v;
        line.name = m_lines[existing].name;
        m_lines[existing] = std::move(line);
        return;
    }
    // New keys go after the section's last non-blank line, so a blank line
    // that separates sections stays where it is.
    std::size_t at = sectionEnd(header);
    while (at > header + 1 && trim(m_lines[at - 1].text).empty()) --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

std::vector<std::string> IniFile::readSection(std::string_view section) const {
    std::vector<std::string> keys;
    const auto header = findSection(section);
    if (header == npos) return keys;
    std::unordered_set<std::string> seen;
    for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (m_lines[i].kind != Kind::Key) continue;
        std::string folded = m_lines[i].name;
        for (char& c : folded) c = ascii::toLower(c);
        if (seen.insert(std::move(folded)).second) keys.push_back(m_lines[i].name);
    }
    return keys;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        if (line.kind != Kind::Section) continue;
        bool seen = false;
        for (const auto& n : names) seen = seen || ascii::equalsIgnoringCase(n, line.name);
        if (!seen) names.push_back(line.name);
    }
    return names;
}

void IniFile::eraseSection(std::string_view section) {
    invalidateIndex();
    std::size_t header;
    while ((header = findSection(section)) != npos) {
        const auto end = sectionEnd(header);
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(end));
    }
}

void IniFile::eraseKey(std::string_view section, std::string_view key) {
    invalidateIndex();
    const auto i = findKey(findSection(section), key);
    if (i != npos) m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace sj
