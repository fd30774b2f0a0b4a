#pragma once
// A directory that only its user can enter: where the single-instance socket,
// its lock and the recovery files live. A directory someone else created first,
// or one that others may write to, is never used, so another local user can
// neither listen in the user's place nor plant files there.
#include <string>
#include <string_view>

namespace sj {

class PrivateDirectory {
public:
    // The instance directory: below the user's runtime directory when there is
    // one, else a per-user name in /tmp (which is why it must be checked).
    static std::string instanceDirectory(std::string_view runtimeDir, unsigned userId);

    // Creates path with mode 0700 when it is missing, then checks that it is a
    // real directory (not a link) owned by userId that nobody else may enter.
    // False with the reason in error when it cannot be used.
    static bool ensure(const std::string& path, unsigned userId, std::string* error = nullptr);
};

}  // namespace sj
