#include "browser/ui/BrowserCommands.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "browser/AddressRules.h"
#include "browser/FileAtCaret.h"
#include "config/CommandLine.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "widgets/ui/ChoiceQueryDialog.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {
BrowserCommands::BrowserCommands(AppHost& host) : CommandGroup(host), m_browser(host.options()) {
    m_view = action(QStringLiteral("&View In Browser"), QKeySequence(Qt::Key_F8),
                    QStringLiteral("|Show current document in a web browser"));
    m_link = action(QStringLiteral("Open &Link..."), QKeySequence(Qt::Key_F9),
                    QStringLiteral("|Open link in browser"));
    m_fileAtCaret = action(QStringLiteral("&Open File at Caret"), QKeySequence(Qt::Key_F7),
                           QStringLiteral("|Open document based on file name at caret position"));
    connect(m_view, &QAction::triggered, this, &BrowserCommands::viewInBrowser);
    connect(m_link, &QAction::triggered, this, &BrowserCommands::openLink);
    connect(m_fileAtCaret, &QAction::triggered, this, &BrowserCommands::openFileAtCaret);
    connect(&host.documents(), &DocumentSet::currentChanged, this, &BrowserCommands::watchPage);
    watchPage(host.currentPage());
}

void BrowserCommands::addToMenus(MenuSet& menus) {
    if (QMenu* tools = menus.menu(QStringLiteral("Tools"))) {
        tools->addSeparator();
        tools->addAction(m_view);
        tools->addAction(m_link);
        tools->addAction(m_fileAtCaret);
    }
}

void BrowserCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool hasLine = page && page->textLength() > 0;
    m_view->setEnabled(hasLine);
    m_fileAtCaret->setEnabled(hasLine);
    m_link->setEnabled(page != nullptr);
}

void BrowserCommands::watchPage(DocumentPage* page) {
    if (m_watched) m_watched->viewport()->removeEventFilter(this);
    m_watched = page;
    if (page) page->viewport()->installEventFilter(this);
}

bool BrowserCommands::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick && m_watched && watched == m_watched->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ControlModifier)) {
            // After the editor has selected the word under the mouse.
            QTimer::singleShot(0, this, &BrowserCommands::openLinkAtCaret);
        }
    }
    return CommandGroup::eventFilter(watched, e);
}

TextAroundCaret BrowserCommands::textAroundSelection(DocumentPage* page, std::string& keep) const {
    const auto start = static_cast<std::size_t>(page->selStart());
    const auto end = start + static_cast<std::size_t>(page->selLength());
    const TextSpan stretch =
        TextAroundCaret::stretchFor(static_cast<std::size_t>(page->textLength()), start, end);
    // Only the stretch is copied out of the editor: the rest of the buffer,
    // however long, is never touched.
    const char* bytes = reinterpret_cast<const char*>(
        page->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(stretch.start),
                            static_cast<long>(stretch.length())));
    keep.assign(bytes ? bytes : "", bytes ? stretch.length() : 0);
    return TextAroundCaret(keep, stretch.start, start, end);
}

void BrowserCommands::openLinkAtCaret() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    std::string keep;
    const TextAroundCaret around = textAroundSelection(page, keep);
    const TextSpan link = around.linkSpan();
    page->setSel(static_cast<Pos>(link.start), static_cast<Pos>(link.length()));
    const address::FormedAddress formed = around.linkAddress();
    if (formed.ask) {
        askAndOpen(formed.address);
    } else if (!formed.address.empty()) {
        m_history.addOpened(formed.address);
        m_browser.open(formed.address);
    }
}

void BrowserCommands::openLink() {
    DocumentPage* page = m_host.currentPage();
    std::string defaultText;
    if (page && page->hasSelection()) {
        std::string keep;
        const TextAroundCaret around = textAroundSelection(page, keep);
        const auto start = static_cast<std::size_t>(page->selStart());
        defaultText =
            address::fromText(around.textOf({start, start + static_cast<std::size_t>(page->selLength())}))
                .address;
        const TextSpan link = around.linkSpan();
        page->setSel(static_cast<Pos>(link.start), static_cast<Pos>(link.length()));
    }
    askAndOpen(defaultText);
}

void BrowserCommands::askAndOpen(const std::string& defaultText) {
    ChoiceQueryDialog::Request request;
    request.caption = QStringLiteral("Open Link in browser...");
    request.label = QStringLiteral("Select, complete or type a URL");
    request.clientWidth = 540;
    request.defaultText = qs(defaultText);
    for (const std::string& e : m_history.entries()) request.entries.push_back({qs(e), qs(e)});
    ChoiceQueryDialog::Result result;
    if (!ChoiceQueryDialog::ask(request, result, m_host.window())) return;
    std::vector<std::string> list;
    for (const ChoiceQueryDialog::Entry& e : result.entries) list.push_back(e.text.toStdString());
    m_history.replace(std::move(list));
    if (result.text.isEmpty()) return;
    const std::string address = address::fromText(result.text.toStdString()).address;
    if (!address.empty()) m_browser.open(address);
}

void BrowserCommands::viewInBrowser() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->textLength() == 0) return;
    std::string name = page->makeTemporaryCopy("htm");
    if (name.empty()) return;  // the copy could not be written; the user was told
    name = fileutils::longName(name);
    if (!fileutils::fileExists(name)) {
        msg::error(QStringLiteral("File \"") + qs(name) + QStringLiteral("\" not found!"));
        return;
    }
    m_browser.open(address::fileUrl(name));
}

void BrowserCommands::openFileAtCaret() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->textLength() == 0) return;
    std::string keep;
    const TextAroundCaret around = textAroundSelection(page, keep);
    const TextSpan span = around.fileNameSpan();
    page->setSel(static_cast<Pos>(span.start), static_cast<Pos>(span.length()));
    const std::string written(around.textOf(span));
    if (written.empty()) return;
    Options& options = m_host.options();
    const FileAtCaret files(page->fileName(), options.fileBoxExt,
                            [](const std::string& n) { return fileutils::fileExists(n); });
    DocumentSet& docs = m_host.documents();
    OpenRequest request;
    request.readOnly = docs.browseMode;
    const FileAtCaret::Resolved found = files.resolve(written);
    if (found.exists) {
        docs.openByName(found.name, request);
        return;
    }
    InputQueryDialog::Request ask;
    ask.caption = QStringLiteral("Open Document");
    ask.label = QStringLiteral("Enter fully qualified document name:");
    ask.clientWidth = 500;
    ask.maxLength = 255;
    ask.refusedChars = QStringLiteral("*?");
    ask.defaultText = qs(found.name);
    QString typed;
    if (!InputQueryDialog::ask(ask, typed, m_host.window())) return;
    const std::string name = fileutils::longName(files.completeTyped(typed.toStdString()));
    if (fileutils::fileExists(name)) {
        docs.openByName(name, request);
    } else if (fileutils::directoryExists(name)) {
        msg::error(QStringLiteral("Error: \"") + qs(name) +
                   QStringLiteral("\" is a directory, not a document!"));
    } else if (msg::askYesNo(qs(CommandLine::createQuestion(name)))) {
        if (DocumentPage* created = docs.newPage(name)) docs.updateCaption(created);
    }
}

}  // namespace sj
