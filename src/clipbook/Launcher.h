#pragma once
// Starts what a command clip names. The GUI implements it with QProcess and
// the desktop services; no implementation may hand text to a shell: a program
// always arrives here already split into its name and arguments.
#include <optional>
#include <string>
#include <vector>

namespace sj {

class Launcher {
public:
    using ProcessId = int;

    virtual ~Launcher() = default;
    // Starts program with exactly these arguments. keepForWait: a later wait
    // line refers to this process, so it must stay known until released.
    // Returns an id (meaningful with keepForWait) or nullopt when the program
    // could not be started.
    virtual std::optional<ProcessId> startProgram(const std::string& program,
                                                  const std::vector<std::string>& arguments,
                                                  bool keepForWait) = 0;
    // Blocks (serving paint events, swallowing user input) until the process ends.
    virtual void waitForProgram(ProcessId id) = 0;
    // The process will not be waited for any more.
    virtual void releaseProgram(ProcessId id) = 0;
    // True when path names an existing file to be opened with its associated
    // application rather than started as a program.
    virtual bool isDocument(const std::string& path) = 0;
    virtual bool openDocument(const std::string& path) = 0;
    virtual void openUrl(const std::string& url) = 0;
    // Information box; returns when the user has closed it.
    virtual void showInformation(const std::string& message) = 0;
    // Error box with its warning beep.
    virtual void showError(const std::string& message) = 0;
};

}  // namespace sj
