#pragma once
// Whole-file reading and crash-safe writing of library files.
#include <string>

namespace sj {

enum class ReadStatus { Ok, Missing, Failed };

struct ReadFileResult {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;
    std::string error;  // system reason when Failed
};

ReadFileResult readWholeFile(const std::string& path);

// Writes a temporary file next to path, flushes it to disk and renames it over
// path, so the old file stays intact until the new one is complete. Keeps the
// permission bits of an existing file. Returns an empty string or the reason.
std::string writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace sj
