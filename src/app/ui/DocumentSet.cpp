#include "app/ui/DocumentSet.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include <filesystem>

#include "app/ui/DocumentTabs.h"
#include "app/ui/FileDialogs.h"
#include "config/Options.h"
#include "document/DocumentLoader.h"
#include "document/DocumentNames.h"
#include "document/SaveChecks.h"
#include "document/ui/EditorFont.h"
#include "files/FileStatus.h"
#include "files/FileUtils.h"
#include "text/Cp850.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& q) {
    return q.toStdString();
}
QString quoted(const std::string& name) {
    return QLatin1Char('"') + q(name) + QLatin1Char('"');
}

}  // namespace

DocumentSet::DocumentSet(Options& options, DocumentTabs& tabs, QWidget* window)
    : QObject(window),
      m_options(options),
      m_tabs(tabs),
      m_window(window),
      m_progress(new ProgressWindow(window)) {
    connect(&m_tabs, &DocumentTabs::pageChanged, this, [this](int) { emit currentChanged(current()); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &DocumentSet::onClipboardChanged);
}

int DocumentSet::count() const {
    return m_tabs.count();
}
DocumentPage* DocumentSet::page(int index) const {
    return m_tabs.page(index);
}
DocumentPage* DocumentSet::current() const {
    return m_tabs.page(m_tabs.currentIndex());
}
int DocumentSet::currentIndex() const {
    return m_tabs.currentIndex();
}
void DocumentSet::select(int index) {
    if (index >= 0 && index < count()) m_tabs.select(index);
}

PageEnvironment DocumentSet::environment() {
    PageEnvironment env;
    env.checkBinaries = m_options.checkBinaries;
    env.makeBackups = m_options.makeBackups;
    env.backupsWithBak = m_options.backupsWithBAK;
    env.undoAfterSave = m_options.undoAfterSave;
    env.fileFormat = m_options.fileFormat;
    env.fileBoxExt = m_options.fileBoxExt;
    env.dateFilter = m_options.dateFilter;
    env.progress = m_progress;
    env.untitledCounter = &m_rules.untitledCounter();
    return env;
}

void DocumentSet::applyWindowSettings(DocumentPage* page) {
    page->environment() = environment();
    page->setDefaultSettings(true);
    page->setWordWrap(m_options.wordWrap);
    page->setTabUnits(m_options.tabUnits);
    page->setTabSettings(m_options.tabSettings);
    page->setInternalOvr(m_options.internalOVR);
    page->setFont(editorFont(m_options));
    page->setTextColours(storedColor(m_options.textColor, page->palette(), QPalette::Text),
                         storedColor(m_options.pageColor, page->palette(), QPalette::Base));
    page->setLineFormat(m_options.fileFormat == 1 ? 1 : 0);
}

DocumentPage* DocumentSet::createPage(const std::string& fileName) {
    auto* page = new DocumentPage(environment());
    applyWindowSettings(page);
    page->setFileName(fileName);
    attach(page);
    return page;
}

void DocumentSet::attach(DocumentPage* page) {
    connect(page, &QsciScintilla::modificationChanged, this, [this, page](bool) { updateCaption(page); });
    connect(page, &EditorView::readOnlyChanged, this, [this, page](bool) { updateCaption(page); });
    connect(page, &EditorView::edited, this, [this, page] {
        page->setPristine(false);
        emit pageEdited(page);
    });
}

void DocumentSet::updateCaption(DocumentPage* page) {
    const int index = m_tabs.indexOfPage(page);
    if (index < 0) return;
    QString caption = q(page->shortTitle());
    if (page->isModified()) caption += QStringLiteral(" *");
    if (page->isReadOnly()) caption += QStringLiteral(" [read-only]");
    m_tabs.setCaption(index, caption);
    emit titlesChanged();
}

void DocumentSet::setStackedTabs(bool on) {
    m_tabs.setStacked(on);
}

DocumentPage* DocumentSet::findByTitle(const std::string& title) const {
    for (int i = 0; i < count(); ++i)
        if (page(i)->title() == title) return page(i);
    return nullptr;
}

DocumentPage* DocumentSet::findShowing(const std::string& name) const {
    std::vector<DocumentSetRules::OpenFile> pages;
    pages.reserve(count());
    for (int i = 0; i < count(); ++i)
        pages.push_back({page(i)->title(), page(i)->hasFileName()
                                               ? DocumentSetRules::identityOf(page(i)->fileName())
                                               : std::nullopt});
    const int index = DocumentSetRules::pageShowing(pages, name, DocumentSetRules::identityOf(name));
    return index < 0 ? nullptr : page(index);
}

std::vector<std::string> DocumentSet::titles() const {
    std::vector<std::string> result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i) result.push_back(page(i)->title());
    return result;
}

DocumentPage* DocumentSet::newPage(const std::string& fileName) {
    m_rules.skipTakenUntitledNumbers(titles());
    DocumentPage* cur = current();
    const bool reuse = cur && m_rules.reusesCurrent(true, cur->pristine(), cur->hasFileName());
    m_rules.setReuseEmptyPage(false);
    if (reuse) {
        cur->setFileName(fileName);
        updateCaption(cur);
        return cur;
    }
    DocumentPage* page = createPage(fileName);
    const int index = m_tabs.add(q(page->shortTitle()), page);
    m_tabs.select(index);
    page->setFocus();
    emit titlesChanged();
    return page;
}

bool DocumentSet::emptyPage(DocumentPage* page) {
    if (page->isReadOnly()) {
        page->setReadOnly(false);
        page->setTruncated(false);
    } else if (saveQuestion(page) == Question::Cancel) {
        return false;
    }
    if (page->hasFileName() && fileutils::fileExists(page->fileName())) {
        m_reopen.add(page->fileName());
        if (pageClosing) pageClosing(page);
        emit reopenListChanged();
    }
    page->clearPage();
    applyWindowSettings(page);
    page->setClipLibrary(false);
    m_rules.skipTakenUntitledNumbers(titles());
    updateCaption(page);
    return true;
}

DocumentSet::Question DocumentSet::saveQuestion(DocumentPage* page) {
    if (!page->isModified()) return Question::Continue;
    if (m_options.autoSaveFiles && page->hasFileName())
        return save(page) ? Question::Continue : Question::Cancel;
    select(m_tabs.indexOfPage(page));
    switch (msg::askYesNoCancel(QStringLiteral("Save changes to ") + quoted(page->title()) +
                                QStringLiteral("?"))) {
        case msg::Answer::Yes:
            return save(page) ? Question::Continue : Question::Cancel;
        case msg::Answer::No:
            return Question::Continue;
        default:
            return Question::Cancel;
    }
}

void DocumentSet::applyFileFormatOption(DocumentPage* page) {
    // The FileFormat option is for text that has no breaks of its own yet; a
    // file keeps the format its breaks have, or the one the user chose.
    if (page->defaultSettings() && m_options.fileFormat == 1 && !page->lineFormatFromFile() &&
        !page->lineFormatChosen())
        page->setLineFormat(1);
}

bool DocumentSet::confirmOverwrite(DocumentPage* page, const std::string& target) {
    if (!SaveChecks::sameFile(target, page->fileName()) ||
        !SaveChecks::changedOnDisk(page->fileIdentity(), page->fileName()))
        return true;
    select(m_tabs.indexOfPage(page));
    switch (msg::askChoice(q(SaveChecks::changedOnDiskQuestion(page->fileName())),
                           QStringLiteral("&Overwrite"), QStringLiteral("&Reload"))) {
        case msg::Answer::Yes:
            return true;
        case msg::Answer::No:
            reload(page, false);
            return false;
        default:
            return false;
    }
}

bool DocumentSet::save(DocumentPage* page) {
    const std::string& name = page->fileName();
    if (name.empty() || fileutils::directoryOf(name).empty() || page->truncated() ||
        (fileutils::fileExists(name) && FileStatus::isReadOnly(name)))
        return saveAs(page);
    applyFileFormatOption(page);
    if (!confirmOverwrite(page, name)) return false;
    const bool ok = page->save({}, true);
    if (ok) updateCaption(page);
    if (ok && pageSaved) pageSaved(page, name, name);
    return ok;
}

bool DocumentSet::saveAs(DocumentPage* page) {
    return runSaveDialog(page, true);
}
bool DocumentSet::saveSelection(DocumentPage* page) {
    return runSaveDialog(page, false);
}

bool DocumentSet::runSaveDialog(DocumentPage* page, bool whole) {
    std::string suggestion =
        DocumentNames::saveSuggestion(page->title(), page->hasFileName(), page->clipLibrary(),
                                      m_options.fileBoxExt, m_options.defaultSaveDirectory);
    FileDialogChoice choice;
    if (whole && page->clipLibrary() && librarySaveName) {
        choice.fileName = librarySaveName(page);
        if (choice.fileName.empty()) return false;
    } else if (!askSaveFileName(m_window, m_options, suggestion, page->oem(), choice)) {
        return false;
    }
    const std::string oldName = page->fileName();
    const std::string name = fileutils::longName(choice.fileName);
    // Saved under a link to a file another page shows, the two pages would
    // overwrite each other's saves.
    const auto identity = DocumentSetRules::identityOf(name);
    for (int i = 0; i < count(); ++i) {
        DocumentPage* other = this->page(i);
        const bool sameFile =
            other->title() == name ||
            (identity && other->hasFileName() && DocumentSetRules::identityOf(other->fileName()) == identity);
        if (!sameFile) continue;
        if (whole && other == page) continue;
        msg::info(q(DocumentNames::alreadyOpenMessage(name)), true);
        return false;
    }
    m_options.defaultSaveDirectory = fileutils::directoryOf(name);
    const bool oemBefore = page->oem();
    if (choice.asciiFilterPresent) page->setOem(choice.asciiFilterChosen);
    applyFileFormatOption(page);
    if (whole && !confirmOverwrite(page, name)) {
        page->setOem(oemBefore);
        return false;
    }
    if (!page->save(name, whole)) {
        page->setOem(oemBefore);
        return false;
    }
    if (whole) {
        updateCaption(page);
        emit currentChanged(current());
        if (pageSaved) pageSaved(page, oldName, page->fileName());
    }
    return true;
}

void DocumentSet::saveAll() {
    DocumentPage* before = current();
    for (int i = 0; i < count(); ++i) {
        DocumentPage* p = page(i);
        if (!p->isModified()) continue;
        if (!p->hasFileName() || p->truncated() || FileStatus::isReadOnly(p->fileName())) select(i);
        save(p);
    }
    select(m_tabs.indexOfPage(before));
}

void DocumentSet::forgetPage(DocumentPage* page) {
    if (page->hasFileName() && fileutils::fileExists(page->fileName())) {
        if (!isFavourite || !isFavourite(page->fileName())) m_reopen.add(page->fileName());
        if (pageClosing) pageClosing(page);
        emit reopenListChanged();
    }
    if (m_pasteBoard == page) m_pasteBoard = nullptr;
}

bool DocumentSet::closeCurrent() {
    DocumentPage* page = current();
    if (!page) return true;
    switch (DocumentSetRules::closing(count(), page->hasFileName(), page->pristine())) {
        case DocumentSetRules::Closing::Nothing:
            return true;
        case DocumentSetRules::Closing::Empty: {
            const bool wasBoard = m_pasteBoard == page;
            if (!emptyPage(page)) return false;
            if (wasBoard) m_pasteBoard = nullptr;
            m_rules.setReuseEmptyPage(page->pristine());
            emit titlesChanged();
            return true;
        }
        case DocumentSetRules::Closing::Remove:
            break;
    }
    if (saveQuestion(page) == Question::Cancel) return false;
    forgetPage(page);
    m_tabs.select(DocumentSetRules::tabAfterClosing(m_tabs.indexOfPage(page)));
    m_tabs.remove(m_tabs.indexOfPage(page));
    emit titlesChanged();
    return true;
}

bool DocumentSet::closeAll() {
    select(count() - 1);
    while (!DocumentSetRules::allClosed(count(), current()->hasFileName(), current()->pristine())) {
        const int before = count();
        if (!closeCurrent()) return false;
        if (count() == before && count() == 1) break;  // the only page could not be emptied further
    }
    m_rules.setReuseEmptyPage(true);
    return true;
}

bool DocumentSet::queryClose() {
    for (int i = 0; i < count(); ++i) {
        DocumentPage* p = page(i);
        if (p->isModified()) {
            select(i);
            if (saveQuestion(p) == Question::Cancel) return false;
        }
    }
    for (int i = 0; i < count(); ++i) {
        DocumentPage* p = page(i);
        if (!p->hasFileName() || !fileutils::fileExists(p->fileName())) continue;
        if (!m_options.autoLoadFiles) m_reopen.add(p->fileName());
        if (pageClosing) pageClosing(p);
    }
    return true;
}

QStringList DocumentSet::openFileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        if (page(i)->hasFileName()) names << q(page(i)->fileName());
    return names;
}

bool DocumentSet::openByName(const std::string& name, const OpenRequest& request) {
    if (fileutils::hasWildcards(name)) {
        bool any = false;
        const auto matches = fileutils::filesMatching(name);
        for (std::size_t i = 0; i < matches.size(); ++i) {
            any = openOne(matches[i], request) || any;
            if (i % 16 == 15) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return any;
    }
    return openOne(name, request);
}

bool DocumentSet::openOne(const std::string& rawName, const OpenRequest& request) {
    const std::string name = fileutils::longName(rawName);
    if (DocumentPage* open = findShowing(name)) {
        // Under the name the page already has: a link must not rename the tab.
        const std::string shown = open->hasFileName() ? open->fileName() : name;
        select(m_tabs.indexOfPage(open));
        if (open->isModified() &&
            !msg::askYesNo(quoted(shown) + QStringLiteral(" is already open! Reload document?"), false))
            return false;
        return loadInto(open, shown, request, true);
    }
    const int status = FileStatus::of(name);
    if (status != FileStatus::kUsable) {
        msg::error(q(FileStatus::message(status, name)));
        return false;
    }
    DocumentPage* cur = current();
    const bool reuse = cur && m_rules.reusesCurrent(true, cur->pristine(), cur->hasFileName());
    DocumentPage* target = reuse ? cur : nullptr;
    bool created = false;
    if (!target) {
        target = createPage({});
        created = true;
    }
    if (!loadInto(target, name, request, !created)) {
        if (created) target->deleteLater();
        return false;
    }
    if (created) m_tabs.select(m_tabs.add(q(target->shortTitle()), target));
    m_rules.fileOpened(reuse, count());
    updateCaption(target);
    m_reopen.remove(name);
    emit reopenListChanged();
    target->setClipLibrary(fileutils::extensionOf(name) == "clb");
    if (m_window->isMinimized()) m_window->showNormal();
    emit currentChanged(current());
    return true;
}

bool DocumentSet::loadInto(DocumentPage* page, const std::string& name, const OpenRequest& request,
                           bool reused) {
    if (reused) {
        page->setReadOnly(false);
        applyWindowSettings(page);
    }
    if (pageOpening) pageOpening(page, name);
    if (request.oemGiven) page->setOem(request.oem);
    if (!page->load(name)) return false;
    const bool readOnly = request.readOnly || browseMode || openReadOnly || FileStatus::isReadOnly(name);
    page->setReadOnly(readOnly || page->truncated() || page->binary());
    if (page->loadCancelled()) {
        msg::info(q(DocumentLoader::cancelledMessage(name)), true);
    } else if (page->truncated()) {
        msg::info(q(DocumentLoader::tooLargeMessage(name)), true);
    } else if (!page->isReadOnly()) {
        page->applyLogStamp();
    }
    return true;
}

bool DocumentSet::reload(DocumentPage* page, bool ask) {
    if (!page || !page->hasFileName() || !fileutils::fileExists(page->fileName())) return false;
    if (ask &&
        !msg::askYesNo(QStringLiteral("Reload ") + quoted(page->fileName()) + QStringLiteral("?"), false))
        return false;
    const bool wasReadOnly = page->isReadOnly() && !page->truncated();
    page->setReadOnly(false);
    if (!page->load(page->fileName())) {
        msg::error(QStringLiteral("Error: Could not open last saved copy of current document!"));
        page->setReadOnly(wasReadOnly);
        return false;
    }
    page->setReadOnly(wasReadOnly || page->truncated() || page->binary());
    if (page->loadCancelled()) msg::info(q(DocumentLoader::cancelledMessage(page->fileName())), true);
    if (!page->isReadOnly()) page->applyLogStamp();
    updateCaption(page);
    emit currentChanged(current());
    return true;
}

void DocumentSet::renameCurrent() {
    DocumentPage* page = current();
    if (!page) return;
    const std::string oldShort = fileutils::fileNameOf(page->title());
    InputQueryDialog::Request request;
    request.label = QStringLiteral("Rename \"") + q(oldShort) + QStringLiteral("\" to:");
    request.clientWidth = 400;
    request.defaultText = q(oldShort);
    QString answer;
    if (!InputQueryDialog::ask(request, answer, m_window)) return;
    if (!DocumentSetRules::isValidRenameAnswer(s(answer))) {
        msg::error(QStringLiteral("Error: \"") + answer + QStringLiteral("\" is not a valid file name!"));
        return;
    }
    const std::string oldName = page->fileName();
    const std::string newName = DocumentSetRules::renameTarget(oldName, s(answer), m_options.fileBoxExt);
    if (newName.empty()) return;
    const DocumentPage* other = findByTitle(newName);
    std::error_code error;
    const bool exists = std::filesystem::exists(newName, error);
    const bool sameFile = exists && !oldName.empty() && std::filesystem::equivalent(oldName, newName, error);
    switch (DocumentSetRules::renameVerdict(oldName, newName, other && other != page, exists, sameFile)) {
        case DocumentSetRules::Rename::Unchanged:
            return;
        case DocumentSetRules::Rename::OpenInEditor:
            msg::info(
                QStringLiteral("Cannot rename, ") + quoted(newName) + QStringLiteral(" is open in editor!"),
                true);
            return;
        case DocumentSetRules::Rename::AlreadyExists:
            msg::info(
                QStringLiteral("Cannot rename, ") + quoted(newName) + QStringLiteral(" already exists!"),
                true);
            return;
        case DocumentSetRules::Rename::Go:
            break;
    }
    if (!oldName.empty() && fileutils::fileExists(oldName)) {
        if (std::rename(oldName.c_str(), newName.c_str()) != 0) {
            msg::error(QStringLiteral("Error: cannot rename ") + quoted(oldName) + QStringLiteral("!"));
            return;
        }
    }
    page->setFileName(newName);
    updateCaption(page);
    if (pageRenamed) pageRenamed(page, oldName, newName);
    emit currentChanged(page);
}

void DocumentSet::deleteCurrent() {
    DocumentPage* page = current();
    if (!page) return;
    if (page->hasFileName() && FileStatus::of(page->fileName()) == FileStatus::kUsable) {
        if (!msg::askYesNo(QStringLiteral("Delete ") + quoted(page->fileName()) +
                           QStringLiteral(" from disk?")))
            return;
        if (std::remove(page->fileName().c_str()) != 0) {
            msg::error(QStringLiteral("Error: cannot delete ") + quoted(page->fileName()) +
                       QStringLiteral("!"));
            return;
        }
    }
    page->setModifiedFlag(false);
    page->setFileName({});
    closeCurrent();
}

void DocumentSet::insertFile() {
    DocumentPage* page = current();
    if (!page || page->isReadOnly()) return;
    FileDialogChoice choice;
    if (!askInsertFileName(m_window, m_options, page, choice)) return;
    LoadOptions load;
    load.checkBinaries = false;
    load.oem = choice.asciiFilterChosen;
    LoadResult result = DocumentLoader::load(choice.fileName, load);
    if (!result.ok) {
        for (const std::string& e : result.errors) msg::error(q(e));
        return;
    }
    const std::string& text = result.text;
    page->ensurePasteHeadroom(static_cast<Pos>(text.size()));
    page->replaceSelection(text);
}

void DocumentSet::pasteNew() {
    m_rules.setReuseEmptyPage(false);
    DocumentPage* page = newPage();
    page->paste();
    page->setPristine(false);
}

void DocumentSet::togglePasteBoard() {
    DocumentPage* page = current();
    m_pasteBoard = (m_pasteBoard == page) ? nullptr : page;
}

void DocumentSet::onClipboardChanged() {
    if (!m_pasteBoard) return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    DocumentPage* board = m_pasteBoard;
    std::string insert;
    if (board->textLength() > 0) insert = "\r\n";
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    insert += s(normal);
    board->ensurePasteHeadroom(static_cast<Pos>(insert.size()));
    board->replaceRange(board->textLength(), 0, insert);
    board->caretToEnd();
    updateCaption(board);
    msg::beep();
}

void DocumentSet::checkModifiedElsewhere() {
    DocumentPage* before = current();
    for (int i = 0; i < count(); ++i) {
        DocumentPage* p = page(i);
        if (!p->hasFileName()) continue;
        // Any difference counts, a time stamp set back as well (mv, cp -p).
        const FileIdentity now = FileIdentity::of(p->fileName());
        if (!p->fileIdentity().replacedBy(now)) continue;
        select(i);
        if (msg::askYesNo(QStringLiteral("Another application has modified\n") + quoted(p->fileName()) +
                          QStringLiteral(" \nReload it?"))) {
            reload(p, false);
        } else {
            p->setFileIdentity(now);
            p->setFileTime(now.modified);
        }
    }
    select(m_tabs.indexOfPage(before));
}

}  // namespace sj
