#pragma once
// Carries out the steps of a command clip in order through a Launcher. A
// step that cannot be launched shows the launch error and ends the run; a
// wait only ever refers to a program that was actually started.
#include <string>
#include <vector>

#include "clipbook/CommandClip.h"
#include "clipbook/Launcher.h"

namespace sj {

class CommandClipRunner {
public:
    static constexpr const char* kPromptMessage = "Press any key to continue launch operation...";

    static std::string launchErrorMessage(const std::string& command);
    // What a Launcher's isDocument means on this system: an existing regular
    // file the user cannot execute (an executable file is started instead).
    static bool isDocumentFile(const std::string& path);
    // True when every step was carried out.
    static bool run(const std::vector<CommandStep>& steps, Launcher& launcher);
};

}  // namespace sj
