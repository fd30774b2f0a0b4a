#pragma once
// Carries out a parsed command line in the running program: the program's own
// at start-up, or one handed over by a second run.
#include <string>

#include "config/CommandLine.h"

namespace sj {

class MainWindow;

// workingDirectory: where relative names are taken (the sender's, for a hand-over).
void processCommandLine(MainWindow& window, const CommandLine& line, const std::string& workingDirectory);

// Where the program's own files (Readme.txt, the sample clip library) live.
std::string dataFilesDirectory();

}  // namespace sj
