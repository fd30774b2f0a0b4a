#include "files/TempCopies.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/LeftoverFiles.h"
#include "files/SafeFileWriter.h"

namespace sj {

std::string TempCopies::copyName(int number, std::string_view ext) {
    std::string name = "qva~" + std::to_string(number);
    if (!ext.empty()) {
        name += '.';
        name += ext;
    }
    return name;
}

std::string TempCopies::defaultDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? std::string(tmp) : std::string("/tmp");
}

std::string TempCopies::create(const std::string& dir, std::string_view ext, std::string_view bytes,
                               std::string* error) {
    std::string prefix = dir.empty() ? std::string(".") : dir;
    if (prefix.back() != '/') prefix += '/';
    for (int n = 0; n <= kMaxNumber; ++n) {
        const std::string path = prefix + copyName(n, ext);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            if (error)
                *error = "Error: cannot create \"" + path + "\"!\n" + SafeFileWriter::describeError(errno);
            return {};
        }
        // The descriptor stays open, holding the in-use lock, until the copy
        // is deleted: a sweep by another start leaves the copy alone.
        LeftoverFiles::markInUse(fd);
        const char* p = bytes.data();
        std::size_t left = bytes.size();
        int err = 0;
        while (left > 0) {
            const ssize_t w = ::write(fd, p, left);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                err = w < 0 ? errno : ENOSPC;
                break;
            }
            p += w;
            left -= static_cast<std::size_t>(w);
        }
        if (err != 0) {
            ::close(fd);
            ::unlink(path.c_str());
            if (error)
                *error = "Error: cannot write \"" + path + "\"!\n" + SafeFileWriter::describeError(err);
            return {};
        }
        m_files.push_back(path);
        m_locks.push_back(fd);
        return path;
    }
    if (error) *error = "Error: no free name for a temporary copy in \"" + prefix + "\"!";
    return {};
}

std::size_t TempCopies::deleteAll() {
    std::size_t failed = 0;
    for (const std::string& f : m_files)
        if (::unlink(f.c_str()) != 0 && errno != ENOENT) ++failed;
    for (const int fd : m_locks) ::close(fd);
    m_files.clear();
    m_locks.clear();
    return failed;
}

}  // namespace sj
