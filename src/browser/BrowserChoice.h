#pragma once
// Which program shows addresses: the desktop's default browser, or the
// program the configuration names (BrowserName, used while UseRegSettings is
// off). A named program that cannot be started is forgotten for the rest of
// the run, so the next address goes to the desktop's browser.
#include <string>

namespace sj {

struct Options;

class BrowserChoice {
public:
    explicit BrowserChoice(Options& options) : m_options(options) {}

    // Empty: the desktop's default browser.
    std::string program() const;
    // The named program could not be started.
    void forgetProgram();
    // The message for a program that could not be started.
    static std::string startFailedMessage(const std::string& program);

private:
    Options& m_options;
};

}  // namespace sj
