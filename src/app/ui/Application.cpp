#include "app/ui/Application.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "app/ui/ApplicationSession.h"
#include "app/ui/EditorApplication.h"
#include "config/CommandLine.h"
#include "config/Options.h"

namespace sj {

bool splashWanted(const Options& options, const CommandLine& startup) {
    return !options.hideSplash && !startup.noSplash && startup.screenshotPath.empty();
}

int runApplication(int argc, char** argv, const std::function<void(MainWindow&)>& addGroups) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine startup = CommandLine::parse(args);
    if (startup.showHelp) {
        std::fputs(CommandLine::helpText().c_str(), stdout);
        return 0;
    }
    if (startup.showVersion) {
        std::printf("superjotleaf %s\n", SJ_VERSION);
        return 0;
    }
    if (!startup.error.empty()) {
        std::fprintf(stderr, "superjotleaf: %s\n", startup.error.c_str());
        return 2;
    }

    EditorApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("superjotleaf"));
    // No display name: the platform would append it to every window title, and
    // the captions already say what they belong to.
    ApplicationSession session(std::move(args), std::move(startup), addGroups);
    return session.run();
}

}  // namespace sj
