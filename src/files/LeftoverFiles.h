#pragma once
// Temporary files a killed editor leaves behind: the ".<name>.sj~XXXXXX" files
// of an interrupted save and the "qva~<n>.<ext>" copies handed to other
// programs. A running editor holds a lock on each of its own, so a sweep at
// start-up removes only those no editor is using, and only the user's own.
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class LeftoverFiles {
public:
    // The names the program gives its temporary files, and no others.
    static bool isSaveTemporary(std::string_view fileName);
    static bool isTemporaryCopy(std::string_view fileName);

    // Takes the lock that marks a temporary file as in use for as long as fd
    // stays open.
    static void markInUse(int fd);

    // Removes the leftovers in each directory (each looked at once); returns
    // the paths removed.
    static std::vector<std::string> sweep(const std::vector<std::string>& directories);
};

}  // namespace sj
