#pragma once
// What a recovery file says about the page it keeps: which file the text
// belongs to and how that file is written, so the page comes back as a
// modified page of the same file. On disk: "SJRECOVERY 1", one "key=value"
// line per field (newlines and backslashes in values escaped), an empty line,
// then the editor's text as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sj {

struct RecoveryRecord {
    static constexpr std::string_view kMagic = "SJRECOVERY 1\n";

    std::string fileName;  // empty for an untitled page
    std::string title;     // what the user knows the page by
    std::string charset;   // the name the page's character set goes by
    bool byteOrderMark = false;
    int lineFormat = 0;        // 0 CR LF, 1 LF
    std::int64_t savedAt = 0;  // seconds since the epoch

    std::string header() const;
    // Reads the header at the start of bytes; textOffset is where the text
    // begins. Nothing for a file that is not a recovery file or is cut short
    // inside its header.
    static std::optional<RecoveryRecord> parse(std::string_view bytes, std::size_t* textOffset = nullptr);

    bool operator==(const RecoveryRecord&) const = default;
};

}  // namespace sj
