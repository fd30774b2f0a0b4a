#pragma once
// Whether a file name can be loaded or written over, and the messages for it.
#include <cstdint>
#include <string>
#include <string_view>

namespace sj {

class FileStatus {
public:
    static constexpr int kMissing = 0;
    static constexpr int kUsable = 1;
    static constexpr int kCannotOpen = 4;

    // 0 when nothing is there (a directory counts as nothing), 1 when it is a
    // regular file that opens for reading, 4 otherwise. Pipes, sockets and
    // devices are 4: reading them could block or never end.
    static int of(const std::string& name);

    // The message for a status, empty for 1.
    static std::string message(int status, std::string_view name);

    // Modification time in nanoseconds since the epoch, 0 when unknown.
    static std::int64_t fileTime(const std::string& name);

    // The user may not write the file: no write permission (permission bits of
    // the owner when the user owns it, otherwise what the system grants).
    static bool isReadOnly(const std::string& name);
};

}  // namespace sj
