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
    m_findController = new FindController(m_engine.findSettings(), host.window());
    m_findController->setParent(this);
    m_replaceController = new ReplaceController(m_engine.replaceSettings(), host.window());
    m_replaceController->setParent(this);

    const QString findHint = QStringLiteral("|Search for text in open documents");
    const QString againHint =
        QStringLiteral("|Search/Replace next occurence of string (Shift+F3 reverses search direction)");
    const QString replaceHint = QStringLiteral("|Replace text in open documents");
    findAction = action(QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), findHint);
    m_findInPopup = action(QStringLiteral("&Find..."), {}, findHint);
    findAgainAction = action(QStringLiteral("&Search Again"), QKeySequence(Qt::Key_F3), againHint);
    m_findAgainInPopup = action(QStringLiteral("Search A&gain"), {}, againHint);
    findAgainReverseAction =
        action(QStringLiteral("Search Again Reverse"), QKeySequence(Qt::SHIFT | Qt::Key_F3), {});
    replaceAction = action(QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R), replaceHint);
    m_replaceInPopup = action(QStringLiteral("&Replace..."), {}, replaceHint);
    jumpToLineAction =
        action(QStringLiteral("&Jump to Line..."), {}, QStringLiteral("|Jump to specified line number"));
    for (QAction* a : {findAction, m_findInPopup})
        connect(a, &QAction::triggered, this, &FindCommands::startFind);
    for (QAction* a : {findAgainAction, m_findAgainInPopup})
        connect(a, &QAction::triggered, this, &FindCommands::findAgain);
    connect(findAgainReverseAction, &QAction::triggered, this, &FindCommands::findAgainReverse);
    for (QAction* a : {replaceAction, m_replaceInPopup})
        connect(a, &QAction::triggered, this, &FindCommands::startReplace);
    connect(jumpToLineAction, &QAction::triggered, this, &FindCommands::jumpToLine);

    connect(m_findController, &FindController::find, this, &FindCommands::findNext);
    connect(m_findController, &FindController::gotoStart, this, &FindCommands::continueFromStart);
    connect(m_findController, &FindController::closed, this, &FindCommands::updateEnabled);
    connect(m_replaceController, &ReplaceController::find, this, &FindCommands::findNextToReplace);
    connect(m_replaceController, &ReplaceController::gotoStart, this, &FindCommands::continueFromStart);
    connect(m_replaceController, &ReplaceController::closed, this, &FindCommands::updateEnabled);
    connect(m_replaceController, &ReplaceController::replaceCheck, this, &FindCommands::checkReplaceable);
    connect(m_replaceController, &ReplaceController::replace, this, &FindCommands::replaceOnce);
    connect(m_replaceController, &ReplaceController::replaceAll, this, &FindCommands::replaceAll);
    // Typing into an empty page must make Find available at once.
    connect(&host.documents(), &DocumentSet::pageEdited, this, &FindCommands::updateEnabled);
    connect(&host.documents(), &DocumentSet::currentChanged, this, &FindCommands::updateEnabled);

    connect(&host.hostSignals(), &AppHostSignals::jumpToLineRequested, this, &FindCommands::jumpToLine);
    updateEnabled();
}

FindCommands::~FindCommands() = default;

void FindCommands::addToMenus(MenuSet& menus) {
    if (QMenu* m = menus.menu(QStringLiteral("Search"))) {
        m->addAction(findAction);
        m->addAction(findAgainAction);
        m->addAction(findAgainReverseAction);
        m->addAction(replaceAction);
        m->addSeparator();
        m->addAction(jumpToLineAction);
    }
    if (QMenu* m = menus.menu(QStringLiteral("Editor"))) {
        m->addAction(m_findInPopup);
        m->addAction(m_findAgainInPopup);
        m->addAction(m_replaceInPopup);
        // There is no panel around the editor to carry it, so it joins the editor's menu.
        m->addAction(findAgainReverseAction);
    }
}

void FindCommands::updateEnabled() {
    const bool find = FindEngine::findEnabled(m_docs);
    findAction->setEnabled(find);
    m_findInPopup->setEnabled(find);
    const bool again = m_engine.searchAgainEnabled(m_docs);
    findAgainAction->setEnabled(again);
    m_findAgainInPopup->setEnabled(again);
    findAgainReverseAction->setEnabled(m_engine.searchAgainReverseEnabled(m_docs));
    const bool replace = FindEngine::replaceEnabled(m_docs);
    replaceAction->setEnabled(replace);
    m_replaceInPopup->setEnabled(replace);
    DocumentPage* page = m_host.currentPage();
    jumpToLineAction->setEnabled(page && page->displayLineCount() > 0);
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
    if (m_replaceController->isOpen()) m_replaceController->close();
    const DialogCommand cmd = m_engine.startFind(m_docs, m_findController->isOpen(), page->overwrite());
    if (cmd.focusFindNextOnly) {
        m_findController->focusFindNext();
        return;
    }
    if (m_host.stayOnTop() && !m_findController->isOpen())
        m_findController->openModal();
    else
        m_findController->openModeless();
}

void FindCommands::startReplace() {
    DocumentPage* page = m_host.currentPage();
    if (!page || !FindEngine::replaceEnabled(m_docs)) return;
    if (m_findController->isOpen()) m_findController->close();
    const DialogCommand cmd = m_engine.startReplace(m_docs, m_replaceController->isOpen(), page->overwrite());
    if (cmd.focusFindNextOnly) {
        m_replaceController->focusFindNext();
        return;
    }
    if (m_replaceController->isOpen()) {
        m_replaceController->openModeless();
        m_replaceController->replaceWindow()->setReplaceEnabled(m_engine.replaceSettings().replaceEnabled);
    } else if (m_host.stayOnTop()) {
        m_replaceController->openModal();
    } else {
        m_replaceController->openModeless();
    }
}

void FindCommands::findNext() {
    report(m_engine.findNext(m_docs));
}

void FindCommands::findAgain() {
    if (!m_engine.searchAgainEnabled(m_docs)) return;
    report(m_engine.findAgain(m_docs));
}

void FindCommands::findAgainReverse() {
    if (!m_engine.searchAgainReverseEnabled(m_docs)) return;
    report(m_engine.findAgainReverse(m_docs));
    // An open dialog shows the direction now in force.
    if (FindDialog* w = m_engine.lastDialog() == LastDialog::Replace ? m_replaceController->window()
                                                                     : m_findController->window()) {
        const bool down = m_engine.lastSettings().options.down();
        w->rbDown->setChecked(down);
        w->rbUp->setChecked(!down);
    }
}

void FindCommands::findNextToReplace() {
    report(m_replaceEngine.findNextToReplace(m_docs, true));
    checkReplaceable();
}

void FindCommands::checkReplaceable() {
    ReplaceDialog* w = m_replaceController->replaceWindow();
    if (!w) return;
    const bool ok = m_replaceEngine.checkReplaceable(m_docs);
    w->setReplaceEnabled(ok);
    if (!ok) w->focusFindNext();
}

void FindCommands::replaceOnce() {
    const ReplaceStepOutcome step = m_replaceEngine.replaceAndFindNext(m_docs);
    if (!step.replace.message.empty()) msg::info(q(step.replace.message), step.replace.beep);
    m_host.refreshStatus();
    updateEnabled();
    if (ReplaceDialog* w = m_replaceController->replaceWindow()) {
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

void FindCommands::replaceAll() {
    m_replaceController->setReplacingAll(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ReplaceAllOutcome out = m_replaceEngine.replaceAll(
        m_docs, [this](std::size_t done, std::size_t total) { return replaceAllProgress(done, total); });
    if (m_progressOpen) {
        m_progress->close();
        m_progressOpen = false;
    }
    QApplication::restoreOverrideCursor();
    m_replaceController->setReplacingAll(false);
    ReplaceDialog* w = m_replaceController->replaceWindow();
    if (w) w->setHint(q(out.hint));
    if (!out.message.empty()) msg::info(q(out.message), out.beep);
    m_host.refreshStatus();
    updateEnabled();
    if (w) {
        w->setReplaceEnabled(false);
        if (!m_replaceController->shownModally()) w->activateWindow();
    }
}

void FindCommands::continueFromStart(bool up) {
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
