#include "files/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "files/LeftoverFiles.h"

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

bool readAll(int fd, std::string& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + got, out.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes bytes over the start of fd and cuts the file to their length;
// 0 when the file then holds exactly them.
int overwrite(int fd, std::string_view bytes, const SafeWriteOptions& options) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
    if (int err = writeAll(fd, bytes, options)) return err;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
    if (options.sync && ::fsync(fd) != 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    return static_cast<std::uint64_t>(st.st_size) == bytes.size() ? 0 : EIO;
}

// Keeps old bytes where the directory allows no new file: an existing
// backup file is written over, else the usual backup is tried.
bool backupInPlace(const std::string& path, const std::string& backup, std::string_view oldBytes,
                   mode_t mode) {
    struct stat bst {};
    if (::lstat(backup.c_str(), &bst) == 0 && S_ISREG(bst.st_mode)) {
        const int fd = ::open(backup.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) {
            const bool ok = overwrite(fd, oldBytes, {}) == 0;
            return ::close(fd) == 0 && ok;
        }
    }
    return makeBackup(path, backup, mode);
}

// The old bytes, when they could not be put back, go where the user can
// still find them.
std::string rescue(const std::string& path, std::string_view oldBytes) {
    const char* tmp = std::getenv("TMPDIR");
    std::string name =
        std::string(tmp && *tmp ? tmp : "/tmp") + "/" + baseOf(path).substr(0, 200) + ".sj-rescue~XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return {};
    const bool ok = writeAll(fd, oldBytes, {}) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(name.c_str());
        return {};
    }
    return name;
}

SafeWriteResult writeInPlace(const std::string& path, std::string_view bytes, const SafeWriteOptions& options,
                             mode_t mode) {
    SafeWriteResult r;
    r.inPlace = true;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        r.error = errno;
        return r;
    }
    std::string oldBytes;
    if (!readAll(fd, oldBytes)) {
        r.error = errno ? errno : EIO;
        ::close(fd);
        return r;
    }
    // Room first: a full disk then refuses the save before a byte changes.
    if (bytes.size() > oldBytes.size()) {
        const off_t length = static_cast<off_t>(bytes.size());
        const int err = options.reserveFn
                            ? options.reserveFn(fd, length)
                            : (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, length) == 0 ? 0 : errno);
        // A file system that cannot reserve still gets the write, and the old
        // bytes are put back should it fail.
        if (err != 0 && err != EOPNOTSUPP && err != ENOSYS) {
            r.error = err;
            ::close(fd);
            return r;
        }
    }
    if (!options.backupName.empty()) {
        r.backupMade = backupInPlace(path, options.backupName, oldBytes, mode);
        r.backupFailed = !r.backupMade;
    }
    const int err = overwrite(fd, bytes, options);
    if (err != 0) {
        r.error = err;
        r.unchanged = overwrite(fd, oldBytes, {}) == 0;
        if (!r.unchanged) r.rescueName = rescue(path, oldBytes);
    }
    if (::close(fd) != 0 && r.error == 0) r.error = errno;
    r.ok = r.error == 0;
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
    const int fd =
        options.createTempFn ? options.createTempFn(temp.data()) : ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd >= 0) LeftoverFiles::markInUse(fd);
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
            // Not the owner: the file becomes the user's, but keeps its group
            // when the user is in it, so a file shared by a group stays shared.
            if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
                ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
                // Not in the group either: the file takes the user's group.
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
