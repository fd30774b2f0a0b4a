#include "browser/ui/MailCommands.h"

#include <QDesktopServices>
#include <QMenu>
#include <QProcess>
#include <QUrl>

#include "app/ui/AppHost.h"
#include "browser/MailMessage.h"
#include "document/ui/DocumentPage.h"
#include "files/TempCopies.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

MailCommands::MailCommands(AppHost& host) : CommandGroup(host) {
    m_send = action(QStringLiteral("S&end"), {}, QStringLiteral("|Send document by E-mail (MAPI)"));
    connect(m_send, &QAction::triggered, this, &MailCommands::sendDocument);
}

void MailCommands::addToMenus(MenuSet& menus) {
    QMenu* file = menus.menu(QStringLiteral("File"));
    // Above Exit and its separator, with a separator of its own.
    QAction* before = nullptr;
    for (QAction* a : file->actions())
        if (a->text() == QStringLiteral("E&xit")) before = a;
    QAction* separator = file->insertSeparator(before);
    file->insertAction(separator, m_send);
}

void MailCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    m_send->setEnabled(page && page->textLength() > 0);
}

void MailCommands::sendDocument() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->textLength() == 0) return;
    const std::string_view text = page->textView();
    bool sent = false;
    if (mail::fitsInMailto(text)) {
        sent = QDesktopServices::openUrl(QUrl(QString::fromStdString(mail::mailtoAddress(text))));
    } else {
        // Too long for an address: the mail program gets a copy to attach.
        std::string error;
        const std::string copy =
            temporaryCopies().create(TempCopies::defaultDirectory(), "txt", text, &error);
        if (!copy.empty())
            sent = QProcess::startDetached(QStringLiteral("xdg-email"),
                                           {QStringLiteral("--attach"), QString::fromStdString(copy)});
    }
    if (!sent) msg::info(QStringLiteral("Error sending mail"), true);
}

}  // namespace sj
