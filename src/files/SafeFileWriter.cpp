#include "files/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace sj {

namespace {

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t currentUmask() {
    const mode_t m = ::umask(022);
    ::umask(m);
    return m;
}

// Writes all bytes, riding out short writes and interruptions.
int writeAll(int fd, std::string_view bytes, const SafeWriteOptions& options) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const std::size_t n = std::min<std::size_t>(left, 1 << 24);
        const ssize_t w = options.writeFn ? options.writeFn(fd, p, n) : ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (w == 0) return ENOSPC;
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    return 0;
}

bool copyFile(const std::string& from, const std::string& to, mode_t mode) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (out < 0) {
        ::close(in);
        return false;
    }
    std::unique_ptr<char[]> buf(new char[1 << 16]);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buf.get(), 1 << 16);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (writeAll(out, std::string_view(buf.get(), static_cast<std::size_t>(n)), {}) != 0) {
            ok = false;
            break;
        }
    }
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok) ::unlink(to.c_str());
    return ok;
}

// Keeps the current contents of target under backup: a hard link where the
// file system has them, else a copy. An existing backup must be a plain file.
bool makeBackup(const std::string& target, const std::string& backup, mode_t mode) {
    struct stat bst {};
    if (::lstat(backup.c_str(), &bst) == 0) {
        if (S_ISDIR(bst.st_mode) || ::unlink(backup.c_str()) != 0) return false;
    }
    if (::link(target.c_str(), backup.c_str()) == 0) return true;
    return copyFile(target, backup, mode);
}

std::int64_t mtimeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

SafeWriteResult writeInPlace(const std::string& path, std::string_view bytes, const SafeWriteOptions& options,
                             mode_t mode) {
    SafeWriteResult r;
    r.inPlace = true;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        r.error = errno;
        return r;
    }
    int err = writeAll(fd, bytes, options);
    if (err == 0 && options.sync && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    r.error = err;
    r.ok = err == 0;
    r.fileTime = mtimeOf(path);
    return r;
}

}  // namespace

SafeWriteResult SafeFileWriter::write(const std::string& pathIn, std::string_view bytes,
                                      const SafeWriteOptions& options) {
    SafeWriteResult r;
    // Writing through a symbolic link keeps the link and replaces its target.
    std::string path = pathIn;
    struct stat lst {};
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved)) path = resolved;
    }
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        r.error = EISDIR;
        return r;
    }
    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~currentUmask());

    // The temporary name must fit the file system's name limit even for a
    // target whose own name is near it.
    std::string temp = directoryOf(path) + "/." + baseOf(path).substr(0, 200) + ".sj~XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        // A writable file in a directory the user may not add to: rewrite it
        // in place rather than refuse the save.
        if ((err == EACCES || err == EPERM) && exists && ::access(path.c_str(), W_OK) == 0)
            return writeInPlace(path, bytes, options, mode);
        r.error = err;
        return r;
    }
    int err = writeAll(fd, bytes, options);
    if (err == 0) {
        if (exists) {
            if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
                // Not the owner: the file becomes the user's; the mode is still kept.
            }
        }
        if (::fchmod(fd, mode) != 0) err = errno;
    }
    if (err == 0 && options.sync && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        r.error = err;
        return r;
    }
    if (exists && !options.backupName.empty()) {
        r.backupMade = makeBackup(path, options.backupName, mode);
        r.backupFailed = !r.backupMade;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        r.error = errno;
        ::unlink(temp.c_str());
        return r;
    }
    if (options.sync) {
        const int dfd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    r.ok = true;
    r.fileTime = mtimeOf(path);
    return r;
}

std::string SafeFileWriter::describeError(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "The disk is full.";
        case EACCES:
        case EPERM:
            return "Permission denied.";
        case EROFS:
            return "The disk is read-only.";
        case EISDIR:
            return "It is a directory.";
        case ENOENT:
        case ENOTDIR:
            return "The directory does not exist.";
        default:
            return std::string(std::strerror(error)) + ".";
    }
}

}  // namespace sj
