#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sj {

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::tryAcquire(const std::string& path) {
    if (m_fd >= 0) return true;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release() {
    if (m_fd < 0) return;
    ::close(m_fd);  // closing the last descriptor drops the flock
    m_fd = -1;
}

}  // namespace sj
