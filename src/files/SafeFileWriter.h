#pragma once
// Replaces a file's contents so that it is never left half written: the bytes
// go to a temporary file in the same directory, are flushed to the disk and
// only then renamed over the target. On any failure the old file is untouched.
// A writable file in a directory the user may not add to is rewritten in
// place, but only after room for the new contents is reserved and with its
// old bytes held, so a failure puts them back.
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
    // Stand in for ::write, ::mkostemp and ::fallocate so tests can make
    // writing, creating the temporary file and reserving space fail.
    std::function<ssize_t(int fd, const void* buf, std::size_t n)> writeFn;
    std::function<int(char* nameTemplate)> createTempFn;
    std::function<int(int fd, off_t length)> reserveFn;
};

struct SafeWriteResult {
    bool ok = false;
    int error = 0;  // errno of the failing step
    bool backupMade = false;
    bool backupFailed = false;
    // The directory did not allow a temporary file, so the file was rewritten
    // in place.
    bool inPlace = false;
    // After a failure: the file holds its old bytes. When it could not be
    // restored, rescueName names a file elsewhere that holds them.
    bool unchanged = true;
    std::string rescueName;
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
