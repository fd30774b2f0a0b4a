#include "document/SaveChecks.h"

namespace sj {

bool SaveChecks::sameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const FileIdentity x = FileIdentity::of(a);
    const FileIdentity y = FileIdentity::of(b);
    return x.known && y.known && x.device == y.device && x.inode == y.inode;
}

std::string SaveChecks::incompleteMessage(std::string_view fileName) {
    return "Error: \"" + std::string(fileName) +
           "\" was not loaded completely, so saving it there would lose the rest of the file.\nSave it under "
           "another name.";
}

std::string SaveChecks::changedOnDiskQuestion(std::string_view fileName) {
    return "\"" + std::string(fileName) +
           "\" has been changed on the disk by another program since it was loaded or saved here.\n"
           "Overwrite it with this text, reload it from the disk, or cancel the save?";
}

}  // namespace sj
