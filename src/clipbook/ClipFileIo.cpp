#include "clipbook/ClipFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace sj {
namespace {

std::string reason(int err) {
    return std::strerror(err);
}

std::string directoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

ReadFileResult readWholeFile(const std::string& path) {
    ReadFileResult result;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
        result.error = reason(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            result.status = ReadStatus::Failed;
            result.error = "not a regular file";
            return result;
        }
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            result.bytes.append(buf, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            result.status = ReadStatus::Failed;
            result.error = reason(errno);
            result.bytes.clear();
            break;
        }
    }
    ::close(fd);
    return result;
}

std::string writeFileAtomically(const std::string& target, const std::string& bytes) {
    // A library kept behind a symbolic link is updated where it really lives.
    std::string path = target;
    if (char* real = ::realpath(target.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    std::string tmp = path + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return reason(errno);

    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    std::string_view rest(bytes);
    while (!rest.empty()) {
        ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            return reason(err);
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    int err = ::fsync(fd) == 0 ? 0 : errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return reason(err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        return reason(err);
    }
    // Make the rename itself durable.
    int dfd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return {};
}

}  // namespace sj
