#pragma once
// Replaces a file's contents so that it is never left half written: the bytes
// go to a temporary file in the same directory, are flushed to the disk and
// only then renamed over the target. On any failure the old file is untouched.
#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sj {

struct SafeWriteOptions {
    // When set and the target exists, its old contents are kept under this
    // name (an older file of that name is replaced). A failed backup does not
    // stop the write; it is reported in the result.
    std::string backupName;
    // Flush the data and the directory entry to the disk.
    bool sync = true;
    // Stands in for ::write so tests can make writing fail.
    std::function<ssize_t(int fd, const void* buf, std::size_t n)> writeFn;
};

struct SafeWriteResult {
    bool ok = false;
    int error = 0;  // errno of the failing step
    bool backupMade = false;
    bool backupFailed = false;
    // The directory did not allow a temporary file, so the file was rewritten
    // in place (still all or nothing as far as the system allows).
    bool inPlace = false;
    std::int64_t fileTime = 0;  // modification time after the write (ns)
};

class SafeFileWriter {
public:
    static SafeWriteResult write(const std::string& path, std::string_view bytes,
                                 const SafeWriteOptions& options = {});

    // A short reason for an errno value, in the program's words.
    static std::string describeError(int error);
};

}  // namespace sj
