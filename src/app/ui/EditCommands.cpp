#include "app/ui/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "config/Options.h"
#include "document/LineBreakNormalizer.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/EditorFont.h"
#include "files/FileUtils.h"

namespace sj {

EditCommands::EditCommands(AppHost& host) : CommandGroup(host) {
    auto page = [this] { return m_host.currentPage(); };
    m_undo = action(QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                    QStringLiteral("|Undo the last change"));
    m_redo = action(QStringLiteral("Re&do"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                    QStringLiteral("|Make the last undone change again"));
    m_reload = action(QStringLiteral("&Reload"), {},
                      QStringLiteral("|Load the last saved copy of the document again"));
    m_cut = action(QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                   QStringLiteral("|Cut the selection to the clipboard"));
    m_copy = action(QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                    QStringLiteral("|Copy the selection to the clipboard"));
    m_paste = action(QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                     QStringLiteral("|Paste text from the clipboard"));
    m_paste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    m_pasteNew = action(QStringLiteral("Paste &New"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                        QStringLiteral("|Paste the clipboard into a new document"));
    m_delete = action(QStringLiteral("&Delete"), {}, QStringLiteral("|Delete the selection"));
    m_clearAll = action(QStringLiteral("Cl&ear All"), {}, QStringLiteral("|Delete the whole text"));
    m_selectAll = action(QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
                         QStringLiteral("|Select the whole text"));
    m_copyAll =
        action(QStringLiteral("Cop&y All"), {}, QStringLiteral("|Copy the whole text to the clipboard"));
    connect(m_undo, &QAction::triggered, this, [page] {
        if (page()) page()->undo();
    });
    connect(m_redo, &QAction::triggered, this, [page] {
        if (page()) page()->redo();
    });
    connect(m_reload, &QAction::triggered, this, [this, page] {
        m_host.documents().reload(page(), true);
        m_host.refreshStatus();
    });
    connect(m_cut, &QAction::triggered, this, [page] {
        if (page() && page()->canCut()) page()->cut();
    });
    connect(m_copy, &QAction::triggered, this, [page] {
        if (page()) page()->copy();
    });
    connect(m_paste, &QAction::triggered, this, [page] {
        if (page()) page()->paste();
    });
    connect(m_pasteNew, &QAction::triggered, this, [this] { m_host.documents().pasteNew(); });
    connect(m_delete, &QAction::triggered, this, [page] {
        if (page() && !page()->isReadOnly()) page()->replaceSelection({});
    });
    connect(m_clearAll, &QAction::triggered, this, [page] {
        if (page() && !page()->isReadOnly()) page()->replaceRange(0, page()->textLength(), {});
    });
    connect(m_selectAll, &QAction::triggered, this, [page] {
        if (page()) page()->selectAll();
    });
    connect(m_copyAll, &QAction::triggered, this, [page] {
        if (!page()) return;
        const std::string text = LineBreakNormalizer::toUnix(page()->textView());
        QApplication::clipboard()->setText(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    });

    m_wordWrap = action(QStringLiteral("&Word Wrap"), QKeySequence(Qt::CTRL | Qt::Key_W),
                        QStringLiteral("|Wrap lines at the window edge"));
    m_wordWrap->setCheckable(true);
    m_font = action(QStringLiteral("&Font..."), {}, QStringLiteral("|Choose the font of the document"));
    m_larger = action(QStringLiteral("Larger"), {}, QStringLiteral("|Larger font"));
    m_smaller = action(QStringLiteral("Smaller"), {}, QStringLiteral("|Smaller font"));
    m_insertFile =
        action(QStringLiteral("&Insert File..."), {}, QStringLiteral("|Insert a file at the caret"));
    m_pasteBoard = action(QStringLiteral("Use as P&aste Board"), {},
                          QStringLiteral("|Collect every text copied to the clipboard in this document"));
    m_pasteBoard->setCheckable(true);
    m_rename = action(QStringLiteral("&Rename..."), {}, QStringLiteral("|Rename the document's file"));
    m_deleteFile =
        action(QStringLiteral("D&elete..."), {}, QStringLiteral("|Delete the document's file from disk"));
    m_readOnly =
        action(QStringLiteral("Read-&Only"), {}, QStringLiteral("|Protect the document against changes"));
    m_readOnly->setCheckable(true);
    connect(m_wordWrap, &QAction::triggered, this, [this, page] {
        if (!page()) return;
        page()->setWordWrap(!page()->wordWrap());
        page()->setDefaultSettings(false);
        m_host.refreshStatus();
    });
    connect(m_font, &QAction::triggered, this, &EditCommands::chooseFont);
    connect(m_larger, &QAction::triggered, this, [this] { changeFontSize(2); });
    connect(m_smaller, &QAction::triggered, this, [this] { changeFontSize(-2); });
    connect(m_insertFile, &QAction::triggered, this, [this] { m_host.documents().insertFile(); });
    connect(m_pasteBoard, &QAction::triggered, this, [this] { m_host.documents().togglePasteBoard(); });
    connect(m_rename, &QAction::triggered, this, [this] {
        m_host.documents().renameCurrent();
        m_host.refreshStatus();
    });
    connect(m_deleteFile, &QAction::triggered, this, [this] {
        m_host.documents().deleteCurrent();
        m_host.refreshStatus();
    });
    connect(m_readOnly, &QAction::triggered, this, [this, page] {
        if (!page()) return;
        page()->setReadOnly(!page()->isReadOnly());
        m_host.refreshStatus();
    });

    m_first = action(QStringLiteral("&First"), {}, QStringLiteral("|Go to the first document"));
    m_last = action(QStringLiteral("&Last"), {}, QStringLiteral("|Go to the last document"));
    m_next = action(QStringLiteral("&Next"), QKeySequence(Qt::CTRL | Qt::Key_Tab),
                    QStringLiteral("|Go to the next document"));
    m_previous = action(QStringLiteral("&Previous"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                        QStringLiteral("|Go to the previous document"));
    m_previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    m_current = action(QStringLiteral("&Current"), QKeySequence(Qt::CTRL | Qt::Key_E),
                       QStringLiteral("|Give the keyboard focus to the document"));
    connect(m_first, &QAction::triggered, this, [this] { selectTab(0); });
    connect(m_last, &QAction::triggered, this, [this] { selectTab(1); });
    connect(m_next, &QAction::triggered, this, [this] { selectTab(2); });
    connect(m_previous, &QAction::triggered, this, [this] { selectTab(3); });
    connect(m_current, &QAction::triggered, this, [page] {
        if (page()) page()->setFocus();
    });

    m_stack = action(QStringLiteral("Stack Document Tabs"), {},
                     QStringLiteral("|Show the document tabs in several rows"));
    m_stack->setCheckable(true);
    m_multiple = action(QStringLiteral("M&ultiple Instances"), {},
                        QStringLiteral("|Allow the editor to run more than once"));
    m_multiple->setCheckable(true);
    m_stayOnTop =
        action(QStringLiteral("Sta&y-On-Top"), {}, QStringLiteral("|Keep the window above other windows"));
    m_stayOnTop->setCheckable(true);
    connect(m_stack, &QAction::triggered, this, [this](bool on) {
        m_host.options().stackDocumentTabs = on;
        m_host.documents().setStackedTabs(on);
        if (m_host.currentPage()) m_host.currentPage()->setFocus();
    });
    connect(m_multiple, &QAction::triggered, this, [this](bool on) { m_host.setMultipleInstances(on); });
    connect(m_stayOnTop, &QAction::triggered, this, [this](bool on) { m_host.setStayOnTop(on); });
}

void EditCommands::addToMenus(MenuSet& menus) {
    QMenu* edit = menus.menu(QStringLiteral("Edit"));
    edit->addAction(m_undo);
    edit->addAction(m_redo);
    edit->addAction(m_reload);
    edit->addSeparator();
    for (QAction* a : {m_cut, m_copy, m_paste, m_pasteNew, m_delete, m_clearAll}) edit->addAction(a);
    edit->addSeparator();
    edit->addAction(m_selectAll);
    edit->addAction(m_copyAll);
    QMenu* go = menus.trailingSubmenu(QStringLiteral("Search"), QStringLiteral("&Go to Tab"));
    for (QAction* a : {m_first, m_last, m_next, m_previous, m_current}) go->addAction(a);
    QMenu* doc = menus.menu(QStringLiteral("Document"));
    // Larger and Smaller are toolbar commands; without a toolbar they live here.
    for (QAction* a : {m_wordWrap, m_font, m_larger, m_smaller}) doc->addAction(a);
    doc->addSeparator();
    doc->addAction(m_insertFile);
    doc->addAction(m_pasteBoard);
    doc->addSeparator();
    for (QAction* a : {m_rename, m_deleteFile, m_readOnly}) doc->addAction(a);
    QMenu* view = menus.menu(QStringLiteral("View"));
    for (QAction* a : {m_stack, m_multiple, m_stayOnTop}) view->addAction(a);
    QMenu* tab = menus.menu(QStringLiteral("Tab"));
    tab->addSeparator();
    QAction* tabRename = tab->addAction(QStringLiteral("R&ename..."));
    connect(tabRename, &QAction::triggered, m_rename, &QAction::trigger);
    QAction* tabDelete = tab->addAction(QStringLiteral("&Delete..."));
    connect(tabDelete, &QAction::triggered, m_deleteFile, &QAction::trigger);
    QMenu* editor = menus.menu(QStringLiteral("Editor"));
    for (QAction* a : {m_undo, m_redo, m_cut, m_copy, m_paste, m_delete}) editor->addAction(a);
    editor->addSeparator();
    editor->addAction(m_selectAll);
}

void EditCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    DocumentSet& docs = m_host.documents();
    const bool has = page != nullptr;
    const bool writable = has && !page->isReadOnly() && !docs.browseMode;
    const bool nonEmpty = has && page->textLength() > 0;
    m_undo->setEnabled(has && page->canUndoEdit());
    m_redo->setEnabled(has && page->canRedoEdit());
    m_reload->setEnabled(has && page->hasFileName() && fileutils::fileExists(page->fileName()));
    m_cut->setEnabled(writable && page->hasSelection());
    m_copy->setEnabled(has && page->hasSelection());
    m_paste->setEnabled(writable);
    m_delete->setEnabled(writable && page->hasSelection());
    m_clearAll->setEnabled(writable && nonEmpty);
    m_selectAll->setEnabled(nonEmpty);
    m_copyAll->setEnabled(nonEmpty);
    m_insertFile->setEnabled(writable);
    m_wordWrap->setChecked(has && page->wordWrap());
    m_readOnly->setChecked(has && page->isReadOnly());
    m_pasteBoard->setChecked(has && docs.pasteBoard() == page);
    m_stack->setChecked(m_host.options().stackDocumentTabs);
    m_multiple->setChecked(m_host.options().allowMultipleCopies);
    m_stayOnTop->setChecked(m_host.stayOnTop());
}

void EditCommands::changeFontSize(int delta) {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    QFont f = page->font();
    const int size = f.pointSize();
    if (delta < 0 && size < 5) return;
    f.setPointSize(size + delta);
    page->setFont(f);
    page->setDefaultSettings(false);
}

void EditCommands::chooseFont() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, page->font(), m_host.window(), QStringLiteral("Font"),
                                         QFontDialog::FontDialogOptions());
    if (!ok) return;
    page->setFont(f);
    page->setDefaultSettings(false);
}

void EditCommands::selectTab(int which) {
    DocumentSet& docs = m_host.documents();
    const int n = docs.count();
    if (which == 0) docs.select(0);
    if (which == 1) docs.select(n - 1);
    if (n < 2) return;
    if (which == 2) docs.select((docs.currentIndex() + 1) % n);
    if (which == 3) docs.select((docs.currentIndex() + n - 1) % n);
}

}  // namespace sj
