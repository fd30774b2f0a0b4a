#include "files/FileStatus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sj {

int FileStatus::of(const std::string& name) {
    struct stat st {};
    if (name.empty() || ::stat(name.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return kMissing;
    if (!S_ISREG(st.st_mode)) return kCannotOpen;
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return kCannotOpen;
    ::close(fd);
    return kUsable;
}

std::string FileStatus::message(int status, std::string_view name) {
    if (status == kMissing) return "Error: \"" + std::string(name) + "\" not found!";
    if (status == kCannotOpen) return "Error: cannot open \"" + std::string(name) + "\"!";
    return {};
}

std::int64_t FileStatus::fileTime(const std::string& name) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

bool FileStatus::isReadOnly(const std::string& name) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return false;
    // The owner's bits decide for the owner, even for root: a file its owner
    // marked read-only is treated as such.
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) == 0;
    return ::access(name.c_str(), W_OK) != 0;
}

}  // namespace sj
