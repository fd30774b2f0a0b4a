#pragma once
// The command lines of an expanded command clip, read into steps the
// CommandClipRunner carries out. Only lines that begin with "^!" in the clip's
// own text are commands; a value inserted into a line stays one argument.
#include <string>
#include <vector>

#include "clipbook/ExpansionText.h"

namespace sj {

struct CommandStep {
    enum class Kind { Prompt, Wait, Url, Command };
    Kind kind = Kind::Command;
    // Url: the address. Command: the whole command as written (also the name
    // tried as a document, and the name shown when the launch fails).
    std::string text;
    // Command: program followed by its arguments.
    std::vector<std::string> argv;

    bool operator==(const CommandStep&) const = default;
};

class CommandClip {
public:
    static std::vector<CommandStep> parse(const ExpansionText& text);
};

}  // namespace sj
