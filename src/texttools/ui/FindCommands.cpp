#include "texttools/ui/FindCommands.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "texttools/JumpToLine.h"
#include "texttools/ui/FindController.h"
#include "texttools/ui/ReplaceController.h"
#include "texttools/ui/ReplaceDialog.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

FindCommands::FindCommands(AppHost& host) : CommandGroup(host), m_docs(host.documents()) {
    m_engine.replaceSettings().canSearchAll = true;
    m_dlgFind = new FindController(m_engine.findSettings(), host.window());
    m_dlgFind->setParent(this);
    m_dlgReplace = new ReplaceController(m_engine.replaceSettings(), host.window());
    m_dlgReplace->setParent(this);

    const QString findHint = QStringLiteral("|Search for text in open documents");
    const QString againHint =
        QStringLiteral("|Search/Replace next occurence of string (Shift+F3 reverses search direction)");
    const QString replaceHint = QStringLiteral("|Replace text in open documents");
    Find2 = action(QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), findHint);
    Find1 = action(QStringLiteral("&Find..."), {}, findHint);
    SearchAgain1 = action(QStringLiteral("&Search Again"), QKeySequence(Qt::Key_F3), againHint);
    FindAgain1 = action(QStringLiteral("Search A&gain"), {}, againHint);
    SearchAgainReverse1 =
        action(QStringLiteral("Search Again Reverse"), QKeySequence(Qt::SHIFT | Qt::Key_F3), {});
    Replace2 = action(QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R), replaceHint);
    Replace1 = action(QStringLiteral("&Replace..."), {}, replaceHint);
    JumptoLine1 =
        action(QStringLiteral("&Jump to Line..."), {}, QStringLiteral("|Jump to specified line number"));
    for (QAction* a : {Find2, Find1}) connect(a, &QAction::triggered, this, &FindCommands::startFind);
    for (QAction* a : {SearchAgain1, FindAgain1})
        connect(a, &QAction::triggered, this, &FindCommands::findAgain);
    connect(SearchAgainReverse1, &QAction::triggered, this, &FindCommands::findAgainReverse);
    for (QAction* a : {Replace2, Replace1})
        connect(a, &QAction::triggered, this, &FindCommands::startReplace);
    connect(JumptoLine1, &QAction::triggered, this, &FindCommands::jumpToLine);

    connect(m_dlgFind, &FindController::find, this, &FindCommands::dlgFindFind);
    connect(m_dlgFind, &FindController::gotoStart, this, &FindCommands::dlgGotoStart);
    connect(m_dlgFind, &FindController::closed, this, &FindCommands::updateEnabled);
    connect(m_dlgReplace, &ReplaceController::find, this, &FindCommands::dlgReplaceFind);
    connect(m_dlgReplace, &ReplaceController::gotoStart, this, &FindCommands::dlgGotoStart);
    connect(m_dlgReplace, &ReplaceController::closed, this, &FindCommands::updateEnabled);
    connect(m_dlgReplace, &ReplaceController::replaceCheck, this, &FindCommands::dlgReplaceReplaceCheck);
    connect(m_dlgReplace, &ReplaceController::replace, this, &FindCommands::dlgReplaceReplace);
    connect(m_dlgReplace, &ReplaceController::replaceAll, this, &FindCommands::dlgReplaceReplaceAll);
    // Typing into an empty page must make Find available at once.
    connect(&host.documents(), &DocumentSet::pageEdited, this, &FindCommands::updateEnabled);
    connect(&host.documents(), &DocumentSet::currentChanged, this, &FindCommands::updateEnabled);

    connect(&host.hostSignals(), &AppHostSignals::jumpToLineRequested, this, &FindCommands::jumpToLine);
    updateEnabled();
}

FindCommands::~FindCommands() = default;

void FindCommands::addToMenus(MenuSet& menus) {
    if (QMenu* m = menus.menu(QStringLiteral("Search"))) {
        m->addAction(Find2);
        m->addAction(SearchAgain1);
        m->addAction(SearchAgainReverse1);
        m->addAction(Replace2);
        m->addSeparator();
        m->addAction(JumptoLine1);
    }
    if (QMenu* m = menus.menu(QStringLiteral("Editor"))) {
        m->addAction(Find1);
        m->addAction(FindAgain1);
        m->addAction(Replace1);
        // There is no panel around the editor to carry it, so it joins the editor's menu.
        m->addAction(SearchAgainReverse1);
    }
}

void FindCommands::updateEnabled() {
    const bool find = FindEngine::findEnabled(m_docs);
    Find2->setEnabled(find);
    Find1->setEnabled(find);
    const bool again = m_engine.searchAgainEnabled(m_docs);
    SearchAgain1->setEnabled(again);
    FindAgain1->setEnabled(again);
    SearchAgainReverse1->setEnabled(m_engine.searchAgainReverseEnabled(m_docs));
    const bool replace = FindEngine::replaceEnabled(m_docs);
    Replace2->setEnabled(replace);
    Replace1->setEnabled(replace);
    DocumentPage* page = m_host.currentPage();
    JumptoLine1->setEnabled(page && page->displayLineCount() > 0);
}

void FindCommands::report(const FindOutcome& outcome) {
    if (!outcome.message.empty()) {
        // The box hands the activation to the main window; a search started in
        // a modeless dialog goes on there, not with a key into the document.
        const QPointer<QWidget> searching = QApplication::focusWidget();
        msg::info(q(outcome.message));
        if (searching && searching->window() != m_host.window()) {
            searching->window()->activateWindow();
            searching->setFocus(Qt::OtherFocusReason);
        }
    }
    m_host.refreshStatus();
    updateEnabled();
}

void FindCommands::startFind() {
    DocumentPage* page = m_host.currentPage();
    if (!page || !FindEngine::findEnabled(m_docs)) return;
    if (m_dlgReplace->isOpen()) m_dlgReplace->close();
    const DialogCommand cmd = m_engine.startFind(m_docs, m_dlgFind->isOpen(), page->overwrite());
    if (cmd.focusFindNextOnly) {
        m_dlgFind->focusFindNext();
        return;
    }
    if (m_host.stayOnTop() && !m_dlgFind->isOpen())
        m_dlgFind->openModal();
    else
        m_dlgFind->openModeless();
}

void FindCommands::startReplace() {
    DocumentPage* page = m_host.currentPage();
    if (!page || !FindEngine::replaceEnabled(m_docs)) return;
    if (m_dlgFind->isOpen()) m_dlgFind->close();
    const DialogCommand cmd = m_engine.startReplace(m_docs, m_dlgReplace->isOpen(), page->overwrite());
    if (cmd.focusFindNextOnly) {
        m_dlgReplace->focusFindNext();
        return;
    }
    if (m_dlgReplace->isOpen()) {
        m_dlgReplace->openModeless();
        m_dlgReplace->replaceWindow()->setReplaceEnabled(m_engine.replaceSettings().replaceEnabled);
    } else if (m_host.stayOnTop()) {
        m_dlgReplace->openModal();
    } else {
        m_dlgReplace->openModeless();
    }
}

void FindCommands::dlgFindFind() {
    report(m_engine.dlgFindFind(m_docs));
}

void FindCommands::findAgain() {
    if (!m_engine.searchAgainEnabled(m_docs)) return;
    report(m_engine.findAgain(m_docs));
}

void FindCommands::findAgainReverse() {
    if (!m_engine.searchAgainReverseEnabled(m_docs)) return;
    report(m_engine.findAgainReverse(m_docs));
    // An open dialog shows the direction now in force.
    if (FindDialog* w =
            m_engine.lastDialog() == LastDialog::Replace ? m_dlgReplace->window() : m_dlgFind->window()) {
        const bool down = m_engine.lastSettings().options.down();
        w->rbDown->setChecked(down);
        w->rbUp->setChecked(!down);
    }
}

void FindCommands::dlgReplaceFind() {
    report(m_replaceEngine.dlgReplaceFind(m_docs, true));
    dlgReplaceReplaceCheck();
}

void FindCommands::dlgReplaceReplaceCheck() {
    ReplaceDialog* w = m_dlgReplace->replaceWindow();
    if (!w) return;
    const bool ok = m_replaceEngine.dlgReplaceReplaceCheck(m_docs);
    w->setReplaceEnabled(ok);
    if (!ok) w->focusFindNext();
}

void FindCommands::dlgReplaceReplace() {
    const ReplaceStepOutcome step = m_replaceEngine.replaceAndFindNext(m_docs);
    if (!step.replace.message.empty()) msg::info(q(step.replace.message), step.replace.beep);
    m_host.refreshStatus();
    updateEnabled();
    if (ReplaceDialog* w = m_dlgReplace->replaceWindow()) {
        w->setReplaceEnabled(step.nextFound);
        if (!step.nextFound) w->focusFindNext();
    }
}

bool FindCommands::replaceAllProgress(std::size_t done, std::size_t total) {
    if (total < progressThreshold) return true;
    if (!m_progressOpen) {
        if (!m_progress) {
            m_progress = new ProgressWindow(m_host.window());
            // Nothing may edit the documents while their text is being read.
            m_progress->setWindowModality(Qt::ApplicationModal);
        }
        m_progress->open(QStringLiteral("Replace All"), QStringLiteral("Replacing text..."), 0,
                         static_cast<qint64>(total));
        m_progressOpen = true;
    }
    m_progress->stepTo(static_cast<qint64>(done));
    return !m_progress->cancelled();
}

void FindCommands::dlgReplaceReplaceAll() {
    m_dlgReplace->setReplacingAll(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ReplaceAllOutcome out = m_replaceEngine.dlgReplaceReplaceAll(
        m_docs, [this](std::size_t done, std::size_t total) { return replaceAllProgress(done, total); });
    if (m_progressOpen) {
        m_progress->close();
        m_progressOpen = false;
    }
    QApplication::restoreOverrideCursor();
    m_dlgReplace->setReplacingAll(false);
    ReplaceDialog* w = m_dlgReplace->replaceWindow();
    if (w) w->setHint(q(out.hint));
    if (!out.message.empty()) msg::info(q(out.message), out.beep);
    m_host.refreshStatus();
    updateEnabled();
    if (w) {
        w->setReplaceEnabled(false);
        if (!m_dlgReplace->shownModally()) w->activateWindow();
    }
}

void FindCommands::dlgGotoStart(bool up) {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    if (up)
        page->caretToEnd();
    else
        page->caretToStart();
    page->ensureCursorVisible();
    m_host.refreshStatus();
}

void FindCommands::jumpToLine() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    const int lineCount = page->displayLineCount();
    if (lineCount <= 0) return;
    const int current = page->caretLineAndColumn().first;
    InputQueryDialog::Request request;
    request.caption = QString::fromLatin1(jumptoline::kCaption);
    request.label = q(jumptoline::prompt(static_cast<std::size_t>(lineCount)));
    request.clientWidth = jumptoline::kClientWidth;
    request.maxLength = static_cast<int>(jumptoline::kMaxLength);
    request.defaultText = QString::number(current);
    request.acceptedChars = QStringLiteral("0123456789");
    QString text;
    if (!InputQueryDialog::query(request, text, m_host.window())) return;
    const auto line = jumptoline::target(text.toStdString(), static_cast<std::size_t>(lineCount),
                                         static_cast<std::size_t>(current));
    if (!line) return;
    page->goTo(static_cast<int>(*line), 1);
    m_host.refreshStatus();
}

}  // namespace sj
