#include "files/LeftoverFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

namespace sj {

namespace {

bool isAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Removes path when it is a regular file of this user that no process holds
// the in-use lock on. The lock is taken first, so a sweeper never removes a
// file an editor is writing at that moment.
bool removeIfLeftover(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool removed = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Still the same file under that name?
        struct stat now {};
        if (::lstat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino && now.st_dev == st.st_dev)
            removed = ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

bool LeftoverFiles::isSaveTemporary(std::string_view name) {
    // "." + name + ".sj~" + six letters or digits (mkostemp's suffix).
    constexpr std::string_view kMark = ".sj~";
    if (name.size() < 1 + 1 + kMark.size() + 6 || name[0] != '.') return false;
    const std::string_view suffix = name.substr(name.size() - 6);
    if (!std::all_of(suffix.begin(), suffix.end(), isAlnum)) return false;
    return name.substr(name.size() - 6 - kMark.size(), kMark.size()) == kMark;
}

bool LeftoverFiles::isTemporaryCopy(std::string_view name) {
    constexpr std::string_view kPrefix = "qva~";
    if (!name.starts_with(kPrefix)) return false;
    std::string_view rest = name.substr(kPrefix.size());
    const std::size_t dot = rest.find('.');
    const std::string_view number = rest.substr(0, dot);
    if (number.empty() || number.size() > 4) return false;
    if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    return dot == std::string_view::npos || rest.find('/', dot) == std::string_view::npos;
}

void LeftoverFiles::markInUse(int fd) {
    ::flock(fd, LOCK_SH | LOCK_NB);
}

std::vector<std::string> LeftoverFiles::sweep(const std::vector<std::string>& directories) {
    std::vector<std::string> removed;
    std::set<std::string> done;
    for (const std::string& dir : directories) {
        if (dir.empty() || !done.insert(dir).second) continue;
        DIR* d = ::opendir(dir.c_str());
        if (!d) continue;
        while (const dirent* e = ::readdir(d)) {
            const std::string_view name = e->d_name;
            if (!isSaveTemporary(name) && !isTemporaryCopy(name)) continue;
            const std::string path = (dir.back() == '/' ? dir : dir + "/") + std::string(name);
            if (removeIfLeftover(path)) removed.push_back(path);
        }
        ::closedir(d);
    }
    return removed;
}

}  // namespace sj
