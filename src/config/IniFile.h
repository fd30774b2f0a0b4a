#pragma once
// The configuration file: an INI-style text of "[Section]" lines and
// "Key=Value" lines. Sections and keys compare without regard to letter case;
// the first section and the first key of a name win, values are trimmed, and
// lines that are neither are kept untouched but otherwise ignored. The whole
// file is held in memory and written back whole, atomically, in the character
// set it was read in.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sj {

class IniFile {
public:
    enum class Charset { Utf8, Windows1252 };

    // Longest string readString() returns, in characters.
    static constexpr std::size_t kMaxStringChars = 1023;

    IniFile() = default;
    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    // Reads the file. A missing file is an empty configuration (existed() is
    // false then). A file that exists but cannot be read gives false with a
    // message, and save() refuses to overwrite it.
    bool load(std::string* error = nullptr);
    // Replaces the contents by raw file bytes: each line UTF-8 when valid,
    // else Windows-1252. charset() is Windows-1252 when some line was and none
    // held UTF-8 characters; new lines are written in it.
    void parse(std::string_view bytes);
    // The file's bytes as save() writes them.
    std::string serialize() const;
    // Writes the whole file through a temporary file in the same directory,
    // flushed to disk and renamed over the target. On failure the message is
    // "Unable to write to <path>" and the old file is untouched.
    bool save(std::string* error = nullptr);

    const std::string& path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }
    bool existed() const { return m_existed; }
    Charset charset() const { return m_charset; }

    bool sectionExists(std::string_view section) const;
    bool keyExists(std::string_view section, std::string_view key) const;
    // The trimmed value, uncut, or nothing when the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "0x"/"0X" (the bit pattern of 32 bits, so
    // colours read back negative); anything else yields def.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Line breaks in a value cannot be stored and become blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Key names of the section, in file order.
    std::vector<std::string> readSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const;
    // Removes every section of that name with all its lines.
    void eraseSection(std::string_view section);
    void eraseKey(std::string_view section, std::string_view key);

    static std::optional<int> parseInteger(std::string_view text);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;  // the whole line as stored, UTF-8
        std::string name;  // section or key name, trimmed
        std::string value;
        // The line was not UTF-8 and was read as Windows-1252; it is written
        // back so. Each line decides for itself, so one such line (a file
        // name in another encoding) spoils no other.
        bool windows1252 = false;
    };

    static Line parseLine(std::string text);
    std::string encoded(bool* fellBackToUtf8) const;
    // Index of the header of the first section of that name, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index one past the section's last line.
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;
    // The line of a key for readers: through an index built on first use, so
    // reading every key of a big section costs time in proportion to it.
    std::size_t lookupKey(std::string_view section, std::string_view key) const;
    void invalidateIndex() { m_indexed = false; }

    std::string m_path;
    std::vector<Line> m_lines;
    Charset m_charset = Charset::Utf8;
    bool m_bom = false;
    std::string m_eol = "\n";
    bool m_existed = false;
    bool m_unreadable = false;
    mutable bool m_indexed = false;
    mutable std::unordered_map<std::string, std::size_t> m_keyIndex;  // "section\nkey", lower case
};

}  // namespace sj
