#pragma once
// The program's arguments turned into an ordered list of actions. An argument
// that is exactly one of the switch forms ("/R", "/B", "/P", "//", "/F=name",
// "/J" + one character + a number, "/INI=file", "/NS", any letter case) is a
// switch; every other argument is a file name, even one that begins with "/".
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class FileNameHost;

struct CommandAction {
    enum class Kind {
        OpenFile,      // name as given; readOnly and print as the switches before it say
        Jump,          // caret to the start of line (1-based); 0 means the last line
        BrowseMode,    // open documents become read-only, and all opened from now on
        UseFavorites,  // name: the favourites list to use, a bare name
    };
    Kind kind = Kind::OpenFile;
    std::string name;
    bool readOnly = false;
    bool print = false;
    int line = 0;

    bool operator==(const CommandAction&) const = default;
};

// Where one file name of the command line leads.
struct ResolvedFileName {
    enum class Outcome {
        Pattern,      // name is an absolute wildcard pattern; each match is opened
        AlreadyOpen,  // the page showing it has been brought to the front
        Create,       // the user agreed to an empty page bearing the name
        Open,         // the file exists and is to be opened
        Skip,         // the user declined to create it
    };
    Outcome outcome = Outcome::Skip;
    std::string name;

    bool operator==(const ResolvedFileName&) const = default;
};

struct CommandLine {
    std::vector<CommandAction> actions;
    bool noSplash = false;  // "/NS" as the first argument
    bool showHelp = false;
    bool showVersion = false;
    std::string screenshotPath;  // "--screenshot FILE": render the window to FILE and quit
    std::string error;           // misuse of an option, in words for the user

    // args without the program name.
    static CommandLine parse(const std::vector<std::string>& args);
    static bool isSwitch(std::string_view arg);
    static std::string helpText();

    // The steps every command-line name takes before it is opened: wildcards,
    // the default extension (defaultExt, without dot) for a missing name
    // without extension, the full name, the already-open check and the
    // question whether to create a missing file.
    static ResolvedFileName resolveFileName(std::string_view name, std::string_view defaultExt,
                                            FileNameHost& host);
    static std::string createQuestion(std::string_view fullName);
};

}  // namespace sj
