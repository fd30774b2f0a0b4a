#include "app/ui/FileCommands.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/FileDialogs.h"
#include "config/Options.h"
#include "config/ReopenList.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"

namespace sj {

FileCommands::FileCommands(AppHost& host) : CommandGroup(host) {
    m_open = action(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                    QStringLiteral("|Open one or more documents"));
    m_new = action(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                   QStringLiteral("|Create a new document"));
    m_save = action(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                    QStringLiteral("|Save the current document"));
    m_saveSelection = action(QStringLiteral("Save Selec&tion..."), {},
                             QStringLiteral("|Save the selected text under a new name"));
    m_saveAs = action(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                      QStringLiteral("|Save the current document under a new name"));
    m_saveAll = action(QStringLiteral("Save A&ll"), {}, QStringLiteral("|Save all modified documents"));
    m_close = action(QStringLiteral("&Close Document"), QKeySequence(Qt::CTRL | Qt::Key_F4),
                     QStringLiteral("|Close the current document"));
    m_closeAll = action(QStringLiteral("Close All &Documents"), {}, QStringLiteral("|Close all documents"));
    connect(m_open, &QAction::triggered, this, &FileCommands::openDocument);
    connect(m_new, &QAction::triggered, this, &FileCommands::newDocument);
    connect(m_save, &QAction::triggered, this, &FileCommands::saveDocument);
    connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveDocumentAs);
    connect(m_saveSelection, &QAction::triggered, this, &FileCommands::saveSelection);
    connect(m_saveAll, &QAction::triggered, this, &FileCommands::saveAll);
    connect(m_close, &QAction::triggered, this, &FileCommands::closeDocument);
    connect(m_closeAll, &QAction::triggered, this, &FileCommands::closeAll);
    connect(&host.documents(), &DocumentSet::reopenListChanged, this, &FileCommands::rebuildReopen);
}

void FileCommands::addToMenus(MenuSet& menus) {
    QMenu* file = menus.menu(QStringLiteral("File"));
    file->addAction(m_open);
    file->addAction(m_new);
    m_reopenMenus << file->addMenu(QStringLiteral("&Reopen"));
    file->addSeparator();
    file->addAction(m_save);
    file->addAction(m_saveSelection);
    file->addAction(m_saveAs);
    file->addAction(m_saveAll);
    file->addSeparator();
    file->addAction(m_close);
    file->addAction(m_closeAll);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setStatusTip(QStringLiteral("Close the editor"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &FileCommands::exitProgram);
    QMenu* tab = menus.menu(QStringLiteral("Tab"));
    tab->addAction(m_open);
    tab->addAction(m_new);
    m_reopenMenus << tab->addMenu(QStringLiteral("&Reopen"));
    tab->addAction(m_save);
    tab->addAction(m_saveAs);
    tab->addAction(m_close);
    tab->addAction(m_closeAll);
    rebuildReopen();
}

void FileCommands::rebuildReopen() {
    const auto& entries = m_host.documents().reopenList().entries();
    for (QMenu* menu : m_reopenMenus) {
        menu->clear();
        if (entries.empty()) {
            menu->addAction(QStringLiteral("[Nothing]"))->setEnabled(false);
            continue;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string name = entries[i];
            QAction* a = menu->addAction(QString::fromStdString(ReopenList::caption(i, name)));
            connect(a, &QAction::triggered, this, [this, name] {
                DocumentSet::OpenRequest request;
                request.readOnly = m_host.documents().browseMode;
                m_host.documents().openByName(name, request);
            });
        }
    }
}

void FileCommands::updateEnabled() {
    DocumentSet& docs = m_host.documents();
    DocumentPage* page = docs.current();
    const bool modified = page && page->isModified();
    m_save->setEnabled(modified);
    m_saveAll->setEnabled((modified || docs.count() > 1) && !docs.browseMode);
    m_saveSelection->setEnabled(page && page->hasSelection());
    m_closeAll->setEnabled(docs.count() > 1);
}

void FileCommands::openDocument() {
    DocumentSet& docs = m_host.documents();
    Options& options = m_host.options();
    DocumentPage* page = docs.current();
    std::string start = options.defaultDirectory;
    if (options.directoryTracking)
        start =
            page && page->hasFileName() ? fileutils::directoryOf(page->fileName()) : options.startDirectory;
    if (start.empty()) start = options.defaultDirectory;
    FileDialogChoice choice;
    if (!askOpenFileNames(m_host.window(), options, start, docs.browseMode, choice)) return;
    for (const std::string& name : choice.fileNames) {
        if (name.empty() || name.back() == '/') continue;
        DocumentSet::OpenRequest request;
        request.readOnly = choice.readOnly;
        request.oemGiven = choice.asciiFilterPresent;
        request.oem = choice.asciiFilterChosen;
        docs.openByName(name, request);
    }
}

void FileCommands::newDocument() {
    m_host.documents().newPage();
    m_host.refreshStatus();
}

void FileCommands::saveDocument() {
    if (DocumentPage* p = m_host.currentPage()) m_host.documents().save(p);
    m_host.refreshStatus();
}

void FileCommands::saveDocumentAs() {
    if (DocumentPage* p = m_host.currentPage()) m_host.documents().saveAs(p);
    m_host.refreshStatus();
}

void FileCommands::saveSelection() {
    if (DocumentPage* p = m_host.currentPage()) m_host.documents().saveSelection(p);
}

void FileCommands::saveAll() {
    m_host.documents().saveAll();
}
void FileCommands::closeDocument() {
    m_host.documents().closeCurrent();
}
void FileCommands::closeAll() {
    m_host.documents().closeAll();
}
void FileCommands::exitProgram() {
    m_host.window()->close();
}

}  // namespace sj
