#pragma once
// Shows an address in the browser: the desktop's default one, or the program
// named in the configuration, started directly with the address as its one
// argument (never through a shell, so nothing in an address can run).
#include <string>

#include "browser/BrowserChoice.h"

namespace sj {

struct Options;

class BrowserLauncher {
public:
    explicit BrowserLauncher(Options& options) : m_choice(options) {}
    // False when no browser took the address (the user has been told).
    bool open(const std::string& address);

private:
    BrowserChoice m_choice;
};

}  // namespace sj
