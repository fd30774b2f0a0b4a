#include "app/PeerCredentials.h"

#include <sys/socket.h>

namespace sj {

std::optional<unsigned> peerUserId(long long socketFd) {
    if (socketFd < 0) return std::nullopt;
    struct ucred cred {};
    socklen_t len = sizeof cred;
    if (::getsockopt(static_cast<int>(socketFd), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 ||
        len != sizeof cred)
        return std::nullopt;
    return static_cast<unsigned>(cred.uid);
}

}  // namespace sj
