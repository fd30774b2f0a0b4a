#pragma once
// Who is at the other end of a local socket, as the kernel vouches for it.
#include <optional>

namespace sj {

// The user id of the process connected to socketFd; nothing when the kernel
// cannot tell (not a local socket, already closed).
std::optional<unsigned> peerUserId(long long socketFd);

}  // namespace sj
