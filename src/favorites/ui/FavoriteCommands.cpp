#include "favorites/ui/FavoriteCommands.h"

#include <QMenu>

#include <cstdlib>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/FileDialogs.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "favorites/FavoriteEntry.h"
#include "favorites/FavoriteLists.h"
#include "favorites/ui/FavoritesDialog.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {
namespace {

std::string dataDirectory() {
    ConfigEnvironment env;
    if (const char* x = std::getenv("XDG_CONFIG_HOME")) env.xdgConfigHome = x;
    if (const char* h = std::getenv("HOME")) env.home = h;
    return Options::dataDirectory(env);
}

// Menu captions show "&" as it is written, not as a mnemonic.
QString menuText(const std::string& caption) {
    return qs(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

FavoriteCommands::FavoriteCommands(AppHost& host, std::string directory)
    : CommandGroup(host), m_directory(directory.empty() ? dataDirectory() : std::move(directory)) {
    m_add = action(QStringLiteral("&Add Favorite"), {},
                   QStringLiteral("|Add current document to Favorites list"));
    m_goTo = action(QStringLiteral("Go to &Favorites..."), QKeySequence(Qt::SHIFT | Qt::Key_F2),
                    QStringLiteral("|Edit and/or open documents from Favorites dialog box"));
    connect(m_add, &QAction::triggered, this, &FavoriteCommands::addFavorite);
    connect(m_goTo, &QAction::triggered, this, &FavoriteCommands::goToFavorites);

    DocumentSet& docs = host.documents();
    docs.isFavourite = [this](const std::string& name) { return m_entries.contains(name); };
    auto previousRename = docs.pageRenamed;
    docs.pageRenamed = [this, previousRename](DocumentPage* page, const std::string& oldName,
                                              const std::string& newName) {
        if (previousRename) previousRename(page, oldName, newName);
        followRename(oldName, newName);
    };
    // The list is read once the command line has had its say (/F=name).
    connect(&host.hostSignals(), &AppHostSignals::commandLineProcessed, this, [this](bool furtherInstance) {
        loadList();
        if (m_host.options().autoLoadFavorites && !furtherInstance) openListFiles();
    });
}

void FavoriteCommands::addToMenus(MenuSet& menus) {
    m_menu = menus.menu(QStringLiteral("Favorites"));
    if (!m_menu) return;
    m_menu->addAction(m_add);
    m_menu->addAction(m_goTo);
    m_menu->addSeparator();
    connect(m_menu, &QMenu::triggered, this, &FavoriteCommands::openChosenItem);
}

void FavoriteCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    m_add->setEnabled(page && page->hasFileName() && !m_host.options().favoriteName.empty() &&
                      !m_entries.contains(page->fileName()));
}

std::string FavoriteCommands::listFile() const {
    return FavoriteLists::fileOf(m_directory, m_host.options().favoriteName);
}

void FavoriteCommands::loadList() {
    if (m_host.options().favoriteName.empty()) {
        m_entries.reset({});
    } else {
        FavoriteListFile::Contents contents = FavoriteListFile::load(listFile());
        m_charset = contents.charset;
        m_entries.reset(std::move(contents.entries));
    }
    rebuildMenu();
}

void FavoriteCommands::openListFiles() {
    OpenRequest request;
    request.readOnly = m_host.documents().browseMode;
    for (const std::string& entry : m_entries.items())
        if (favorite::kindOf(entry) == favorite::Kind::File && fileutils::fileExists(entry))
            m_host.documents().openByName(entry, request);
}

void FavoriteCommands::rebuildMenu() {
    if (!m_menu) return;
    // A menu takes each new item in time linear in its length, so a long list
    // keeps the items it has and only renames them; items come and go at the end.
    const std::vector<favorite::MenuItem> items = favorite::menuItems(m_entries.items());
    while (m_entryActions.size() > static_cast<qsizetype>(items.size())) {
        QAction* a = m_entryActions.takeLast();
        m_menu->removeAction(a);
        delete a;
    }
    QList<QAction*> added;
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* a;
        if (i < static_cast<std::size_t>(m_entryActions.size())) {
            a = m_entryActions[static_cast<qsizetype>(i)];
        } else {
            a = new QAction(m_menu);
            added.push_back(a);
        }
        const QString hint = qs(items[i].hint);
        if (a->statusTip() != hint) {
            a->setText(menuText(items[i].caption));
            a->setStatusTip(hint);
            a->setToolTip(hint);
        }
        a->setData(QVariant::fromValue<qulonglong>(items[i].entry));
    }
    m_entryActions.append(added);
    m_menu->addActions(added);
}

void FavoriteCommands::openChosenItem(QAction* action) {
    if (!m_entryActions.contains(action)) return;
    const auto index = static_cast<std::size_t>(action->data().toULongLong());
    if (index < m_entries.size()) openEntry(m_entries.items()[index]);
}

void FavoriteCommands::saveList() {
    const std::string error = FavoriteListFile::save(listFile(), m_entries.items(), m_charset);
    if (!error.empty()) {
        msg::error(QStringLiteral("Error: could not save \"") + qs(listFile()) + QStringLiteral("\": ") +
                   qs(error));
        return;
    }
    m_entries.markSaved();
}

void FavoriteCommands::addFavorite() {
    updateEnabled();
    if (!m_add->isEnabled()) return;
    m_entries.append(m_host.currentPage()->fileName());
    saveList();
    rebuildMenu();
    updateEnabled();
}

void FavoriteCommands::goToFavorites() {
    Options& options = m_host.options();
    DocumentPage* page = m_host.currentPage();
    FavoritesDialog::Setup setup;
    setup.directory = m_directory;
    setup.listName = options.favoriteName;
    setup.startPath =
        page && page->hasFileName() ? fileutils::directoryOf(page->fileName()) : options.defaultDirectory;
    setup.defaultExt = options.fileBoxExt;
    setup.filter = options.fileBoxFilter;
    FavoritesDialog dialog(setup, m_host.window());
    dialog.exec();
    options.favoriteName = dialog.lists().current();
    loadList();
    const std::vector<std::string> chosen = dialog.chosenFiles();
    if (chosen.size() == 1 && favorite::kindOf(chosen.front()) == favorite::Kind::Directory) {
        showOpenDialog(favorite::directoryOf(chosen.front()));
        return;
    }
    openFiles(chosen);
}

void FavoriteCommands::openFiles(const std::vector<std::string>& files) {
    DocumentSet& docs = m_host.documents();
    OpenRequest request;
    request.readOnly = docs.browseMode;
    for (const std::string& name : files) {
        if (favorite::kindOf(name) == favorite::Kind::Directory) continue;
        docs.openByName(name, request);
    }
    m_host.refreshStatus();
}

void FavoriteCommands::openEntry(const std::string& entry) {
    if (favorite::kindOf(entry) != favorite::Kind::Directory) {
        openFiles({entry});
        return;
    }
    const std::string dir = favorite::directoryOf(entry);
    if (!fileutils::directoryExists(dir)) {
        msg::error(qs(favorite::missingDirectoryMessage(dir)));
        return;
    }
    showOpenDialog(dir);
}

void FavoriteCommands::showOpenDialog(const std::string& directory) {
    DocumentSet& docs = m_host.documents();
    FileDialogChoice choice;
    if (!askOpenFileNames(m_host.window(), m_host.options(), directory, docs.browseMode, choice)) return;
    for (const std::string& name : choice.fileNames) {
        if (name.empty() || name.back() == '/') continue;
        OpenRequest request;
        request.readOnly = choice.readOnly || docs.browseMode;
        request.oemGiven = choice.asciiFilterPresent;
        request.oem = choice.asciiFilterChosen;
        docs.openByName(name, request);
    }
    m_host.refreshStatus();
}

void FavoriteCommands::followRename(const std::string& oldName, const std::string& newName) {
    if (m_host.options().favoriteName.empty() || !m_entries.rename(oldName, newName)) return;
    saveList();
    rebuildMenu();
}

}  // namespace sj
