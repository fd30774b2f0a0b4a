#pragma once
// The right to be the running instance: an exclusive flock on a file in the
// user's private directory. The kernel drops it when the holder ends, however
// it ends, so a crashed run never blocks the next start, and two starts at the
// same moment cannot both win.
#include <string>

namespace sj {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this object now holds the lock (or already held it).
    bool tryAcquire(const std::string& path);
    bool held() const { return m_fd >= 0; }
    void release();

private:
    int m_fd = -1;
};

}  // namespace sj
