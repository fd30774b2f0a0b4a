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

#include "document/DocumentSaver.h"
#include "document/LoadSink.h"
#include "files/FileIdentity.h"
#include "text/TextCharset.h"

namespace sj {

struct LoadOptions {
    // Replace backspaces by U+00B7 and count them. A file with NUL bytes is
    // binary and keeps every byte.
    bool checkBinaries = true;
    // The file is stored in the DOS character set (code page 850).
    bool oem = false;
    std::size_t chunkSize = 1 << 20;
    // Called with (0, total) before the first chunk and after every chunk, only
    // for files over kProgressThreshold bytes. Returning false cancels the load.
    std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
    // Stands in for ::read so tests can make reading fail.
    std::function<ssize_t(int fd, void* buf, std::size_t n)> readFn;
    // When given, the text of a UTF-8 file goes here chunk by chunk as it is
    // read, and LoadResult::text stays empty (LoadResult::streamed). Files
    // that turn out to need converting are read again the whole way.
    LoadSink* sink = nullptr;
};

struct LoadResult {
    bool ok = false;  // the file was read (possibly not to its end)
    int status = 0;   // file status before reading
    // Messages to show in error boxes, in order (empty on success).
    std::vector<std::string> errors;
    // UTF-8; every line break CR LF, except in a binary file, whose breaks stay
    // as they are.
    std::string text;
    // The text went to LoadOptions::sink (text is empty).
    bool streamed = false;
    // The characters of the text, when the load counted them.
    std::optional<std::size_t> characters;
    TextCharset charset = TextCharset::Utf8;
    bool bom = false;           // a byte order mark was dropped from the text
    bool truncated = false;     // reading failed before the end of the file
    bool cancelled = false;     // the user stopped the load before the end
    bool tooLarge = false;      // refused: over kMaxFileSize
    std::size_t converted = 0;  // backspace bytes replaced
    // NUL bytes or mostly control bytes: the text holds the file's bytes
    // unchanged (line breaks included), and the page opens read-only.
    bool binary = false;
    // Bytes of a UTF-8 file that are not UTF-8, carried as escapes
    // (text/ByteEscapes.h) that a save writes back as the same bytes.
    std::size_t invalidBytes = 0;
    // The line format most of the file's breaks use: 1 LF (UNIX), 0 CR LF (or
    // lone CR), -1 when the file has no line break at all.
    int lineFormat = -1;
    // The file's breaks are not all of lineFormat: a save would rewrite some.
    bool breaksRewritten = false;
    std::uint64_t fileSize = 0;
    std::int64_t fileTime = 0;
    FileIdentity identity;

    // An incomplete text must never be saved over the complete file.
    bool incomplete() const { return truncated || cancelled; }

    // The options that write the text back as the file's own bytes (for a
    // file without breaks, in the line format given).
    SaveOptions writeBack(int lineFormatWithoutBreaks = 0) const;
};

class DocumentLoader {
public:
    static constexpr std::uint64_t kProgressThreshold = 200000;
    // The editor addresses its text with 32-bit positions; larger files are
    // refused rather than shown wrong.
    static constexpr std::uint64_t kMaxFileSize = std::uint64_t{1} << 31;
    static constexpr std::uint64_t kMaxTextSize = (std::uint64_t{1} << 31) - (std::uint64_t{1} << 24);

    static LoadResult load(const std::string& fileName, const LoadOptions& options = {});

    // Turns raw file bytes (line breaks already CR LF) into UTF-8: code page 850
    // when oem, else UTF-8 when valid (a BOM is dropped and reported), else
    // UTF-8 with escaped bytes when the file holds well-formed multi-byte
    // sequences and no more invalid bytes than those (their count goes to
    // invalidBytes), else Windows-1252.
    // knownValid skips checking what the reading pass already found well-formed.
    static std::string decode(std::string raw, bool oem, TextCharset& charset, bool& bom,
                              std::size_t* invalidBytes = nullptr, bool knownValid = false);

    // NUL bytes, or more than half of the sample control characters that
    // text does not use.
    static bool looksBinary(std::string_view sample, std::size_t nulCount);

    // The text as it reads when the file's bytes are taken in the other
    // character set (the OEM flag switched on or off): written back in current,
    // read again as code page 850 (oem) or as UTF-8/Windows-1252. Nothing, with
    // the offset of the first character current cannot hold, when the text
    // has characters the file could not have had.
    static std::optional<std::string> recode(std::string_view text, TextCharset current, bool oem,
                                             TextCharset& charset, std::size_t* unmappable = nullptr);
    // Why recode gave nothing: the character at offset unmappable of text.
    static std::string recodeRefusedMessage(std::string_view name, TextCharset current, std::string_view text,
                                            std::size_t unmappable);

    // Replaces every NUL and backspace of UTF-8 text by U+00B7; returns the count.
    // Only text files reach it, so in practice it replaces backspaces.
    static std::size_t replaceBinaries(std::string& text);

    static bool needsProgress(std::uint64_t fileSize) { return fileSize > kProgressThreshold; }
    static std::string progressCaption(std::string_view name);
    static std::string loadFailedMessage(std::string_view name);
    static std::string binaryWarning(std::string_view name, std::size_t count);
    static std::string tooLargeMessage(std::string_view fileName);
    static std::string reloadFailedMessage();
    static std::string tooLargeToOpenMessage(std::string_view fileName);
    static std::string cancelledMessage(std::string_view fileName);
    static std::string binaryNotice(std::string_view fileName);
    static std::string invalidBytesNotice(std::string_view fileName, std::size_t count);
    static std::string breaksRewrittenNotice(std::string_view fileName, int lineFormat);
};

}  // namespace sj
