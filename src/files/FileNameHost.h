#pragma once
// What the command line's file-name steps need from the program: the file
// system and the open documents, and the user's answer. Tests stand in for it.
#include <string>

namespace sj {

class FileNameHost {
public:
    virtual ~FileNameHost() = default;
    virtual std::string currentDirectory() const = 0;
    // A file (not a directory) of that name exists.
    virtual bool fileExists(const std::string& fullName) const = 0;
    // Brings the page showing that file to the front; false when none does.
    virtual bool activateOpenPage(const std::string& fullName) = 0;
    // Asks the question given (Yes/No, with a beep); true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
};

}  // namespace sj
