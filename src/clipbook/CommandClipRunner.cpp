#include "clipbook/CommandClipRunner.h"

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <system_error>

namespace sj {

namespace {

// Whether a wait line will refer to the program started at index i: one
// follows before the next command line takes the process's place.
bool waitFollows(const std::vector<CommandStep>& steps, std::size_t i) {
    for (std::size_t j = i + 1; j < steps.size(); ++j) {
        if (steps[j].kind == CommandStep::Kind::Wait) return true;
        if (steps[j].kind == CommandStep::Kind::Command) return false;
    }
    return false;
}

}  // namespace

std::string CommandClipRunner::launchErrorMessage(const std::string& command) {
    return "Error: could not launch \"" + command + "\"!\nApplication not found or incorrect command.";
}

bool CommandClipRunner::isDocumentFile(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    return ::access(path.c_str(), X_OK) != 0;
}

bool CommandClipRunner::run(const std::vector<CommandStep>& steps, Launcher& launcher) {
    bool holding = false;  // a started process a wait line may refer to
    Launcher::ProcessId held = 0;
    auto release = [&] {
        if (holding) launcher.releaseProgram(held);
        holding = false;
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const CommandStep& step = steps[i];
        switch (step.kind) {
            case CommandStep::Kind::Prompt:
                launcher.showInformation(kPromptMessage);
                break;
            case CommandStep::Kind::Wait:
                if (holding) {
                    launcher.waitForProgram(held);
                    release();
                }
                break;
            case CommandStep::Kind::Url:
                launcher.openUrl(step.text);
                break;
            case CommandStep::Kind::Command: {
                release();
                bool ok = false;
                if (launcher.isDocument(step.text)) {
                    ok = launcher.openDocument(step.text);
                } else if (!step.argv.empty()) {
                    bool keep = waitFollows(steps, i);
                    std::vector<std::string> args(step.argv.begin() + 1, step.argv.end());
                    std::optional<Launcher::ProcessId> id =
                        launcher.startProgram(step.argv.front(), args, keep);
                    ok = id.has_value();
                    if (ok && keep) {
                        held = *id;
                        holding = true;
                    }
                }
                if (!ok) {
                    launcher.showError(launchErrorMessage(step.text));
                    return false;
                }
                break;
            }
        }
    }
    release();
    return true;
}

}  // namespace sj
