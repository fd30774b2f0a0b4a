#pragma once
// What tells a file on the disk apart from the one a page loaded or last
// saved: its size, modification time, device and inode. Any difference means
// another program has been at it, also a time stamp set back (mv, cp -p).
#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace sj {

struct FileIdentity {
    bool known = false;  // false: there was no file
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    static FileIdentity of(const std::string& path);
    static FileIdentity of(const struct stat& st);

    bool operator==(const FileIdentity&) const = default;

    // The file now on the disk is not the one recorded. A file that has gone
    // meanwhile is no conflict: writing it loses nobody's work.
    bool replacedBy(const FileIdentity& now) const { return known && now.known && now != *this; }
};

}  // namespace sj
