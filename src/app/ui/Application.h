#pragma once
// Start-up and shut-down of the program around the main window.
#include <functional>

namespace sj {

class MainWindow;
class AppHost;
struct CommandLine;
struct Options;

// Whether the start-up window shows, once the configuration has been read.
bool splashWanted(const Options& options, const CommandLine& startup);

// Runs the program. addGroups is called once the main window exists, so each
// subsystem can add its commands before the configuration is applied.
int runApplication(int argc, char** argv, const std::function<void(MainWindow&)>& addGroups);

}  // namespace sj
