#include "browser/BrowserChoice.h"

#include "config/Options.h"

namespace sj {

std::string BrowserChoice::program() const {
    return m_options.useRegSettings ? std::string() : m_options.browserName;
}

void BrowserChoice::forgetProgram() {
    m_options.useRegSettings = true;
}

std::string BrowserChoice::startFailedMessage(const std::string& program) {
    return "Could not execute \"" + program + "\"!";
}

}  // namespace sj
