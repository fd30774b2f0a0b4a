#include "app/PrivateDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sj {

namespace {

bool fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

std::string PrivateDirectory::instanceDirectory(std::string_view runtimeDir, unsigned userId) {
    if (!runtimeDir.empty() && runtimeDir.front() == '/') {
        std::string dir(runtimeDir);
        while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
        return (dir == "/" ? std::string() : dir) + "/superjotleaf";
    }
    return "/tmp/superjotleaf-" + std::to_string(userId);
}

bool PrivateDirectory::ensure(const std::string& path, unsigned userId, std::string* error) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return fail(error, "cannot create \"" + path + "\": " + std::strerror(errno));
    // Checked through a descriptor of the directory itself, so a link swapped in
    // between the check and the use is refused rather than followed.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return fail(error, "\"" + path + "\" is not a directory of its own");
    struct stat st {};
    const bool statted = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!statted) return fail(error, "cannot examine \"" + path + "\"");
    if (st.st_uid != userId) return fail(error, "\"" + path + "\" belongs to another user");
    if ((st.st_mode & 077) != 0) return fail(error, "\"" + path + "\" is open to other users");
    return true;
}

}  // namespace sj
