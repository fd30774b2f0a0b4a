#include "clipbook/ClipFileIo.h"

#include "files/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sj {
namespace {

std::string reason(int err) {
    return std::strerror(err);
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

std::string writeFileAtomically(const std::string& path, const std::string& bytes) {
    SafeWriteResult r = SafeFileWriter::write(path, bytes);
    return r.ok ? std::string() : SafeFileWriter::describeError(r.error);
}

}  // namespace sj
