#pragma once
// Writes a document's text (UTF-8, CR LF inside) to a file in the file's line
// format and character set, safely and with an optional backup.
#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/TextCharset.h"

namespace sj {

struct SaveOptions {
    bool whole = true;   // whole text (false: a selection, written as it is)
    int lineFormat = 0;  // 1 = UNIX (LF only); 0 and 2 = CR LF
    TextCharset charset = TextCharset::Utf8;
    bool bom = false;  // UTF-8 only: start the file with a byte order mark (UTF-16 always has one)
    // A binary file: line breaks are written as they stand and none is added.
    bool keepBreaks = false;
    // UTF-8 only: the text carries bytes that are not UTF-8 as escapes
    // (text/ByteEscapes.h); each is written as its byte.
    bool byteEscapes = false;
    bool makeBackups = false;
    bool backupsWithBak = false;
    bool sync = true;
    std::function<ssize_t(int fd, const void* buf, std::size_t n)> writeFn;
};

enum class SaveStatus {
    Saved,
    CannotOpen,   // the target exists but cannot be opened
    ReadOnly,     // the target exists and the user may not write it
    Unmappable,   // the character set cannot hold a character; nothing written
    WriteFailed,  // writing failed; the old file is unchanged
};

struct SaveResult {
    SaveStatus status = SaveStatus::WriteFailed;
    std::string message;               // error text, or for Unmappable the question to ask
    std::size_t unmappableOffset = 0;  // byte offset in the text
    char32_t unmappableChar = 0;
    bool backupMade = false;
    bool backupFailed = false;
    std::int64_t fileTime = 0;

    bool ok() const { return status == SaveStatus::Saved; }
};

class DocumentSaver {
public:
    static SaveResult save(const std::string& target, std::string_view text, const SaveOptions& options);

    // The bytes save would write, or nothing with the offset of the first
    // character the character set cannot hold.
    static std::optional<std::string> encode(std::string_view text, const SaveOptions& options,
                                             std::size_t* unmappable = nullptr);

    static std::string readOnlyMessage(std::string_view target);
    // What became of the file goes with the reason: unchanged, or where its
    // old contents were put when they could not be restored.
    static std::string writeFailedMessage(std::string_view target, int error, bool unchanged = true,
                                          std::string_view rescueName = {});
    static std::string unmappableQuestion(std::string_view target, TextCharset charset, char32_t ch);
};

}  // namespace sj
