#pragma once
// Reads a text file into the editor's form: UTF-8 with CR LF line breaks.
#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextCharset.h"

namespace sj {

struct LoadOptions {
    // Replace NUL and backspace by U+00B7 and count them.
    bool checkBinaries = true;
    // The file is stored in the DOS character set (code page 850).
    bool oem = false;
    std::size_t chunkSize = 1 << 20;
    // Called with (0, total) before the first chunk and after every chunk, only
    // for files over kProgressThreshold bytes. Returning false cancels the load.
    std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
    // Stands in for ::read so tests can make reading fail.
    std::function<ssize_t(int fd, void* buf, std::size_t n)> readFn;
};

struct LoadResult {
    bool ok = false;  // the file was read (possibly not to its end)
    int status = 0;   // file status before reading
    // Messages to show in error boxes, in order (empty on success).
    std::vector<std::string> errors;
    std::string text;  // UTF-8, every line break CR LF
    TextCharset charset = TextCharset::Utf8;
    bool bom = false;           // a UTF-8 byte order mark was dropped from the text
    bool truncated = false;     // reading failed before the end of the file
    bool cancelled = false;     // the user stopped the load before the end
    std::size_t converted = 0;  // NUL and backspace bytes replaced
    // Every line break of the file was a lone LF (a UNIX file).
    bool unixLineBreaks = false;
    std::uint64_t fileSize = 0;
    std::int64_t fileTime = 0;

    // An incomplete text must never be saved over the complete file, so the
    // page is read-only when this is set.
    bool incomplete() const { return truncated || cancelled; }
};

class DocumentLoader {
public:
    static constexpr std::uint64_t kProgressThreshold = 200000;

    static LoadResult load(const std::string& fileName, const LoadOptions& options = {});

    // Turns raw file bytes (line breaks already CR LF) into UTF-8: code page 850
    // when oem, else UTF-8 when valid (a BOM is dropped and reported), else
    // Windows-1252.
    static std::string decode(std::string raw, bool oem, TextCharset& charset, bool& bom);

    // The text as it reads when the file's bytes are taken in the other
    // character set (the OEM flag switched on or off): written back in current,
    // read again as code page 850 (oem) or as UTF-8/Windows-1252. Nothing, with
    // the offset of the first character current cannot hold, when the text
    // has characters the file could not have had.
    static std::optional<std::string> recode(std::string_view text, TextCharset current, bool oem,
                                             TextCharset& charset, std::size_t* unmappable = nullptr);

    // Replaces every NUL and backspace of UTF-8 text by U+00B7; returns the count.
    static std::size_t replaceBinaries(std::string& text);

    static bool needsProgress(std::uint64_t fileSize) { return fileSize > kProgressThreshold; }
    static std::string progressCaption(std::string_view name);
    static std::string loadFailedMessage(std::string_view name);
    static std::string binaryWarning(std::string_view name, std::size_t count);
    static std::string tooLargeMessage(std::string_view fileName);
    static std::string reloadFailedMessage();
};

}  // namespace sj
