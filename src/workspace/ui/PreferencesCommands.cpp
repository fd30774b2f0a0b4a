#include "workspace/ui/PreferencesCommands.h"

#include <QDir>
#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/EditorFont.h"
#include "widgets/ui/PlacementWindow.h"
#include "widgets/ui/TrayIcon.h"
#include "workspace/Preferences.h"
#include "workspace/ui/PreferencesDialog.h"
#include "workspace/ui/WorkspaceCommands.h"

namespace sj {

PreferencesCommands::PreferencesCommands(AppHost& host, WorkspaceCommands& workspace)
    : CommandGroup(host), m_workspace(workspace) {
    m_preferences =
        action(QStringLiteral("&Preferences..."), {}, QStringLiteral("|Configure program options"));
    m_shortcutMenuPreferences =
        action(QStringLiteral("Pre&ferences..."), {}, QStringLiteral("|Configure program options"));
    connect(m_preferences, &QAction::triggered, this, &PreferencesCommands::showPreferences);
    connect(m_shortcutMenuPreferences, &QAction::triggered, this, &PreferencesCommands::showPreferences);
}

void PreferencesCommands::addToMenus(MenuSet& menus) {
    QMenu* view = menus.menu(QStringLiteral("View"));
    QAction* first = view->actions().isEmpty() ? nullptr : view->actions().first();
    view->insertAction(first, m_preferences);
    view->insertSeparator(first);
    QMenu* tab = menus.menu(QStringLiteral("Tab"));
    tab->addAction(m_shortcutMenuPreferences);
}

void PreferencesCommands::showPreferences() {
    Preferences p = Preferences::fromOptions(m_host.options(), m_host.stayOnTop());
    if (PreferencesDialog::edit(p, m_host.window())) apply(p);
    if (DocumentPage* page = m_host.currentPage()) page->setFocus();
}

void PreferencesCommands::apply(const Preferences& p) {
    Options& o = m_host.options();
    const bool multipleBefore = o.allowMultipleCopies;
    p.applyTo(o, QDir::currentPath().toStdString());

    if (auto* tray = m_host.window()->findChild<TrayIcon*>()) tray->setEnabled(o.minimizeToTray);
    if (auto* placement = dynamic_cast<PlacementWindow*>(m_host.window()))
        placement->LivesInTray = o.minimizeToTray && TrayIcon::trayAvailable();
    if (p.stayOnTop != m_host.stayOnTop()) m_host.setStayOnTop(p.stayOnTop);
    o.allowMultipleCopies = multipleBefore;
    if (p.multipleInstances != multipleBefore) m_host.setMultipleInstances(p.multipleInstances);

    // Every page takes the new colours and ways of saving; pages that follow
    // the defaults take the default word wrap, font and tab stops too.
    DocumentSet& docs = m_host.documents();
    const QFont font = editorFont(o);
    for (int i = 0; i < docs.count(); ++i) {
        DocumentPage* page = docs.page(i);
        const PageEnvironment env = docs.environment();
        page->environment().checkBinaries = env.checkBinaries;
        page->environment().makeBackups = env.makeBackups;
        page->environment().backupsWithBak = env.backupsWithBak;
        page->environment().undoAfterSave = env.undoAfterSave;
        page->environment().fileFormat = env.fileFormat;
        page->environment().fileBoxExt = env.fileBoxExt;
        page->environment().dateFilter = env.dateFilter;
        page->setTextColours(storedColor(o.textColor, page->palette(), QPalette::Text),
                             storedColor(o.pageColor, page->palette(), QPalette::Base));
        if (!page->defaultSettings()) continue;
        page->setWordWrap(o.wordWrap);
        page->setFont(font);
        page->setTabUnits(o.tabUnits);
        page->setTabSettings(o.tabSettings);
        if (!page->hasFileName()) page->setLineFormat(o.fileFormat == 1 ? 1 : 0);
    }
    m_workspace.applyViewOptions();
    m_host.refreshStatus();
}

}  // namespace sj
