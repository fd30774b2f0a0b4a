#include "browser/ui/BrowserLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "widgets/ui/MessageBoxes.h"

namespace sj {

bool BrowserLauncher::open(const std::string& address) {
    const std::string program = m_choice.program();
    if (program.empty()) {
        if (QDesktopServices::openUrl(QUrl(QString::fromStdString(address)))) return true;
        msg::error(QStringLiteral("Error: Could not detect a Web browser!"));
        return false;
    }
    if (QProcess::startDetached(QString::fromStdString(program), {QString::fromStdString(address)}))
        return true;
    msg::info(QString::fromStdString(BrowserChoice::startFailedMessage(program)), true);
    m_choice.forgetProgram();
    return false;
}

}  // namespace sj
