#pragma once
// The store of per-file settings, most recently stored first, kept in the
// text file "FileProp.inf".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "config/FileProperties.h"
#include "text/TextCharset.h"

namespace sj {

class FilePropertiesStore {
public:
    static constexpr std::size_t kDefaultCapacity = 100;
    static constexpr std::size_t kMaxFontName = 31;
    // In the flags field, beside the OEM flag (1) and the line format (16 x).
    static constexpr int kChosenFlag = 64;

    FilePropertiesStore(std::size_t capacity, std::string fileName);

    // The file name as configured: used as is when it has a directory part,
    // else placed in the data directory.
    static std::string resolvePath(std::string_view configured, std::string_view dataDirectory);

    // Reads the file when it is usable; otherwise the store stays empty.
    // Returns whether the file was read.
    bool load();
    // Writes every entry through a temporary file. Nothing is written when the
    // target exists but cannot be opened, or its directory is not writable.
    bool save() const;

    bool find(std::string_view fileName, FileProperties& out) const;
    // Adds or replaces the record and makes it the most recent. Names that
    // cannot be written as one line (a line break inside) are not stored.
    void store(std::string_view fileName, const FileProperties& record);
    // Lowering the capacity drops the least recent entries at once.
    void setCapacity(std::size_t capacity);
    std::size_t capacity() const { return m_capacity; }

    // Files written by versions 1 to 201 have incompatible tab lists, which
    // are then dropped on reading.
    void setOlderLayout(bool older) { m_olderLayout = older; }
    static bool isOlderLayoutVersion(int storedVersion) { return storedVersion >= 1 && storedVersion <= 201; }

    std::size_t size() const { return m_entries.size(); }
    const std::vector<std::pair<std::string, FileProperties>>& entries() const { return m_entries; }
    const std::string& fileName() const { return m_fileName; }

    // One line of the file (without its line break) and back.
    static std::string formatLine(std::string_view key, const FileProperties& record);
    static std::optional<std::pair<std::string, FileProperties>> parseLine(std::string_view line,
                                                                           bool olderLayout = false);

    // The record a page opens with: the stored one when it has own settings;
    // otherwise default settings with the window's word wrap and tabs, keeping
    // the stored OEM flag. asciiFilterChosen is set when the open dialog had an
    // ASCII filter. With fileFormat 1 a default-settings record gets UNIX breaks.
    static FileProperties recordForOpen(const FileProperties* stored, bool wordWrapOption,
                                        std::string_view tabSettingsOption, int fileFormatOption,
                                        std::optional<bool> asciiFilterChosen = std::nullopt);

    // The record stored when a page closes. With default settings only the OEM
    // flag and the line format are kept: the page's when the user chose it,
    // else the FileFormat option's.
    static FileProperties recordForClose(const FileProperties& page, int fileFormatOption);

private:
    std::size_t m_capacity;
    std::string m_fileName;
    bool m_olderLayout = false;
    TextCharset m_charset = TextCharset::Utf8;  // written back as it was read
    bool m_bom = false;
    std::unordered_set<std::string> m_windows1252Keys;  // lines read as Windows-1252
    std::vector<std::pair<std::string, FileProperties>> m_entries;
};

}  // namespace sj
