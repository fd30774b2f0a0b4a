#include "app/ui/CommandLineRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "files/FileNameHost.h"
#include "files/FileUtils.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

class WindowFileNames : public FileNameHost {
public:
    WindowFileNames(DocumentSet& docs, std::string cwd) : m_docs(docs), m_cwd(std::move(cwd)) {}
    std::string currentDirectory() const override { return m_cwd; }
    bool fileExists(const std::string& fullName) const override { return fileutils::fileExists(fullName); }
    bool activateOpenPage(const std::string& fullName) override {
        DocumentPage* page = m_docs.findByTitle(fullName);
        if (!page) return false;
        for (int i = 0; i < m_docs.count(); ++i)
            if (m_docs.page(i) == page) m_docs.select(i);
        return true;
    }
    bool askYesNo(const std::string& question) override {
        return msg::askYesNo(QString::fromStdString(question), true);
    }

private:
    DocumentSet& m_docs;
    std::string m_cwd;
};

}  // namespace

void processCommandLine(MainWindow& window, const CommandLine& line, const std::string& workingDirectory) {
    DocumentSet& docs = window.documents();
    WindowFileNames host(docs, workingDirectory);
    DocumentPage* firstOpened = nullptr;
    std::vector<DocumentPage*> printed;
    for (const CommandAction& action : line.actions) {
        switch (action.kind) {
            case CommandAction::Kind::BrowseMode:
                docs.browseMode = true;
                for (int i = 0; i < docs.count(); ++i) docs.page(i)->setReadOnly(true);
                break;
            case CommandAction::Kind::UseFavorites:
                window.options().favoriteName = action.name;
                break;
            case CommandAction::Kind::Jump:
                if (DocumentPage* page = docs.current()) {
                    const int lines = std::max(1, page->displayLineCount());
                    page->goTo(action.line <= 0 ? lines : std::min(action.line, lines), 1);
                }
                break;
            case CommandAction::Kind::OpenFile: {
                const ResolvedFileName resolved =
                    CommandLine::resolveFileName(action.name, window.options().fileBoxExt, host);
                OpenRequest request;
                request.readOnly = action.readOnly || docs.browseMode;
                // Printed: each file this name opened (or found open), right
                // after it opened, once; never a page it did not lead to.
                auto print = [&](DocumentPage* page) {
                    if (!page || !action.print) return;
                    if (std::find(printed.begin(), printed.end(), page) != printed.end()) return;
                    printed.push_back(page);
                    emit window.hostSignals().printRequested(page);
                };
                auto opened = [&](DocumentPage* page) {
                    if (!firstOpened) firstOpened = page;
                    print(page);
                };
                switch (resolved.outcome) {
                    case ResolvedFileName::Outcome::Pattern:
                        for (const std::string& match : fileutils::filesMatching(resolved.name))
                            if (docs.openByName(match, request)) opened(docs.current());
                        break;
                    case ResolvedFileName::Outcome::Open:
                        if (docs.openByName(resolved.name, request)) opened(docs.current());
                        break;
                    case ResolvedFileName::Outcome::Create:
                        if (DocumentPage* page = docs.newPage(resolved.name)) {
                            docs.updateCaption(page);
                            if (!firstOpened) firstOpened = page;
                        }
                        break;
                    case ResolvedFileName::Outcome::AlreadyOpen:
                        print(docs.findByTitle(resolved.name));
                        break;
                    case ResolvedFileName::Outcome::Skip:
                        break;
                }
                break;
            }
        }
    }
    if (firstOpened) {
        for (int i = 0; i < docs.count(); ++i)
            if (docs.page(i) == firstOpened) docs.select(i);
    }
    window.refreshStatus();
}

std::string dataFilesDirectory() {
    // Installed: <prefix>/share/superjotleaf; in a build tree: the source's data/.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString installed = QDir(appDir).absoluteFilePath(QStringLiteral("../share/superjotleaf"));
    if (QDir(installed).exists()) return QDir(installed).canonicalPath().toStdString();
    return SJ_SOURCE_DATA_DIR;
}

}  // namespace sj
