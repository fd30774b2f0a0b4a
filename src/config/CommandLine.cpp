#include "config/CommandLine.h"

#include <climits>

#include "files/FileNameHost.h"
#include "files/FileUtils.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace sj {

namespace {

bool isNumber(std::string_view s) {
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The number part of a "/J" switch ("/J" + one character + number), or npos.
std::size_t jumpNumberStart(std::string_view arg) {
    if (arg.size() < 4 || arg[0] != '/' || ascii::toUpper(arg[1]) != 'J') return std::string_view::npos;
    std::size_t pos = 2;
    utf8::decode(arg, pos);
    return isNumber(arg.substr(pos)) ? pos : std::string_view::npos;
}

// Lines beyond the end mean the last line, so an overlong number is just big.
int parseLine(std::string_view digits) {
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    long long n = 0;
    for (char c : digits) {
        n = n * 10 + (c - '0');
        if (n > INT_MAX) n = INT_MAX;
    }
    return negative ? -static_cast<int>(n) : static_cast<int>(n);
}

}  // namespace

bool CommandLine::isSwitch(std::string_view arg) {
    for (std::string_view plain : {"/R", "/B", "/P", "//", "/NS"})
        if (ascii::equalsIgnoringCase(arg, plain)) return true;
    return ascii::startsWithIgnoringCase(arg, "/F=") || ascii::startsWithIgnoringCase(arg, "/INI=") ||
           jumpNumberStart(arg) != std::string_view::npos;
}

CommandLine CommandLine::parse(const std::vector<std::string>& args) {
    CommandLine cl;
    bool readOnly = false;
    bool browse = false;
    bool print = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            cl.showHelp = true;
        } else if (arg == "--version") {
            cl.showVersion = true;
        } else if (arg == "--screenshot" || arg.starts_with("--screenshot=")) {
            std::string path = arg.size() > 12 ? arg.substr(13) : std::string();
            if (arg.size() == 12 && i + 1 < args.size()) path = args[++i];
            if (path.empty())
                cl.error = "Missing file name after --screenshot";
            else
                cl.screenshotPath = path;
        } else if (arg.empty()) {
            continue;
        } else if (!isSwitch(arg)) {
            CommandAction open;
            open.kind = CommandAction::Kind::OpenFile;
            open.name = arg;
            open.readOnly = readOnly || browse;
            open.print = print;
            cl.actions.push_back(std::move(open));
        } else if (ascii::equalsIgnoringCase(arg, "/NS")) {
            cl.noSplash = cl.noSplash || i == 0;
        } else if (ascii::equalsIgnoringCase(arg, "/R")) {
            readOnly = true;
        } else if (ascii::equalsIgnoringCase(arg, "/B")) {
            browse = true;
            cl.actions.push_back({CommandAction::Kind::BrowseMode, {}, true, false, 0});
        } else if (ascii::equalsIgnoringCase(arg, "/P")) {
            print = true;
        } else if (arg == "//") {
            print = false;
        } else if (ascii::startsWithIgnoringCase(arg, "/F=")) {
            const std::string list = fileutils::baseName(arg.substr(3));
            if (!list.empty())
                cl.actions.push_back({CommandAction::Kind::UseFavorites, list, false, false, 0});
        } else if (const auto start = jumpNumberStart(arg); start != std::string_view::npos) {
            const int line = parseLine(std::string_view(arg).substr(start));
            if (line >= 0) cl.actions.push_back({CommandAction::Kind::Jump, {}, false, false, line});
        }
        // "/INI=" was used when the configuration file was chosen.
    }
    return cl;
}

std::string CommandLine::helpText() {
    return "Usage: superjotleaf [switches] [files...]\n"
           "\n"
           "  /R            open the following files read-only\n"
           "  /B            browse mode: every document opens read-only\n"
           "  /P            print each following file after opening it\n"
           "  //            do not print the following files\n"
           "  /F=name       use the favourites list of that name\n"
           "  /J:n          move the caret to line n (0: the last line)\n"
           "  /INI=file     use this configuration file\n"
           "  /NS           no splash window (first argument only)\n"
           "  --help        show this help and quit\n"
           "  --version     show the version and quit\n"
           "  --screenshot FILE  save a picture of the window to FILE and quit\n"
           "\n"
           "File names may contain the wildcards * and ?. A name without extension\n"
           "that does not exist gets the default extension. Any other argument is a\n"
           "file name, even one that begins with \"/\".\n";
}

std::string CommandLine::createQuestion(std::string_view fullName) {
    return "File \"" + std::string(fullName) + "\" does not exist! Create it?";
}

ResolvedFileName CommandLine::resolveFileName(std::string_view name, std::string_view defaultExt,
                                              FileNameHost& host) {
    using Outcome = ResolvedFileName::Outcome;
    const std::string cwd = host.currentDirectory();
    if (fileutils::hasWildcards(name)) return {Outcome::Pattern, fileutils::longName(name, cwd)};

    std::string given(name);
    if (!fileutils::hasExtension(given) && !defaultExt.empty() &&
        !host.fileExists(fileutils::longName(given, cwd)))
        given += "." + std::string(defaultExt);

    const std::string full = fileutils::longName(given, cwd);
    if (host.activateOpenPage(full)) return {Outcome::AlreadyOpen, full};
    if (!host.fileExists(full))
        return {host.askYesNo(createQuestion(full)) ? Outcome::Create : Outcome::Skip, full};
    return {Outcome::Open, full};
}

}  // namespace sj
