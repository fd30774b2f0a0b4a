#pragma once
// The questions a save must settle before it touches the disk: is the target
// the page's own file, may an incomplete page be written there, and has
// another program changed the file since it was loaded or last saved.
#include <string>
#include <string_view>

#include "files/FileIdentity.h"

namespace sj {

class SaveChecks {
public:
    // The same name, or two names of one file (a link): same device and inode.
    static bool sameFile(const std::string& a, const std::string& b);

    // What a save of a page whose text is only part of its file must do
    // with the target: refuse it when it is that file.
    static bool mayWriteIncomplete(bool incomplete, const std::string& target, const std::string& loaded) {
        return !incomplete || !sameFile(target, loaded);
    }

    // The page's file is no longer what the page loaded or last saved.
    static bool changedOnDisk(const FileIdentity& recorded, const std::string& fileName) {
        return recorded.replacedBy(FileIdentity::of(fileName));
    }

    static std::string incompleteMessage(std::string_view fileName);
    static std::string changedOnDiskQuestion(std::string_view fileName);
};

}  // namespace sj
