#include "app/ui/HelpCommands.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/CommandLineRunner.h"
#include "app/ui/DocumentSet.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

HelpCommands::HelpCommands(AppHost& host) : CommandGroup(host) {}

void HelpCommands::addToMenus(MenuSet& menus) {
    QMenu* help = menus.menu(QStringLiteral("Help"));
    QAction* readme = action(QStringLiteral("&Read Me"), {}, QStringLiteral("|Show how to get started"));
    connect(readme, &QAction::triggered, this, [this] { openOwnFile("Readme.txt"); });
    help->addAction(readme);
    if (fileutils::fileExists(fileutils::join(dataFilesDirectory(), "WhatsNew.txt"))) {
        QAction* news =
            action(QStringLiteral("&What's New"), {}, QStringLiteral("|Show what changed in this release"));
        connect(news, &QAction::triggered, this, [this] { openOwnFile("WhatsNew.txt"); });
        help->addAction(news);
    }
    help->addSeparator();
    QAction* about =
        action(QStringLiteral("&About Super Jotleaf..."), {}, QStringLiteral("|Version of the program"));
    connect(about, &QAction::triggered, this, &HelpCommands::showAbout);
    help->addAction(about);
}

void HelpCommands::openOwnFile(const char* name) {
    OpenRequest request;
    request.readOnly = true;  // the program's own file
    m_host.documents().openByName(fileutils::join(dataFilesDirectory(), name), request);
    m_host.refreshStatus();
}

void HelpCommands::showAbout() {
    msg::info(QStringLiteral("Super Jotleaf ") + QStringLiteral(SJ_VERSION) +
              QStringLiteral("\nA plain-text editor with the Clipbook."));
}

}  // namespace sj
