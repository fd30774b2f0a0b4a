#include "files/FileIdentity.h"

namespace sj {

FileIdentity FileIdentity::of(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return {};
    return of(st);
}

FileIdentity FileIdentity::of(const struct stat& st) {
    FileIdentity id;
    id.known = true;
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    return id;
}

}  // namespace sj
