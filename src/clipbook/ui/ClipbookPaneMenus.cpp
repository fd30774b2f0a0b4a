#include "clipbook/ui/ClipbookPane.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTimer>

#include "document/ui/DocumentPage.h"

namespace sj {

// The pane's two menus (libraries, items) and their enabling.
namespace {

QAction* menuAction(QMenu* menu, const QString& caption, const QString& hint) {
    QAction* a = menu->addAction(caption);
    a->setStatusTip(hint);
    return a;
}

}  // namespace

void ClipbookPane::buildMenus() {
    m_templatesMenu = new QMenu(this);
    m_templatesMenu->setObjectName(QStringLiteral("LibraryMenu"));
    QAction* aNew =
        menuAction(m_templatesMenu, QStringLiteral("&New..."), QStringLiteral("Create a new template"));
    m_aRename =
        menuAction(m_templatesMenu, QStringLiteral("&Rename..."), QStringLiteral("Rename current template"));
    m_aDelete =
        menuAction(m_templatesMenu, QStringLiteral("&Delete"), QStringLiteral("Delete current template"));
    m_templatesMenu->addSeparator();
    QAction* aUpdate = menuAction(m_templatesMenu, QStringLiteral("&Update List"),
                                  QStringLiteral("Update list of templates"));
    connect(aNew, &QAction::triggered, this, [this] {
        m_templates.newTemplate();
        afterChoose();
    });
    connect(m_aRename, &QAction::triggered, this, [this] {
        m_templates.renameTemplate();
        afterChoose();
    });
    connect(m_aDelete, &QAction::triggered, this, [this] {
        m_templates.deleteTemplate();
        afterChoose();
    });
    connect(aUpdate, &QAction::triggered, this, [this] {
        m_templates.updateList();
        afterChoose();
    });

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("ClipListMenu"));
    m_aPaste = menuAction(m_listMenu, QStringLiteral("&Paste to Document"),
                          QStringLiteral("Paste selected item to document"));
    m_aAddDoc = menuAction(m_listMenu, QStringLiteral("&Add from Document"),
                           QStringLiteral("Add text selected in document to Clipbook"));
    m_listMenu->addSeparator();
    m_aCopy = menuAction(m_listMenu, QStringLiteral("&Copy to Clipboard"),
                         QStringLiteral("Copy selected item to Window's clipboard"));
    m_aAddClip = menuAction(m_listMenu, QStringLiteral("A&dd from Clipboard"),
                            QStringLiteral("Add a new item from Window's clipboard"));
    m_listMenu->addSeparator();
    m_aEdit = menuAction(m_listMenu, QStringLiteral("&Edit Item..."),
                         QStringLiteral("Edit item content and title"));
    m_aNew =
        menuAction(m_listMenu, QStringLiteral("Add &New..."), QStringLiteral("Create a new Clipbook item"));
    m_aRemove = menuAction(m_listMenu, QStringLiteral("&Remove Item"),
                           QStringLiteral("Remove current item from the template"));
    m_listMenu->addSeparator();
    m_aSorted = menuAction(m_listMenu, QStringLiteral("&Sorted"),
                           QStringLiteral("When checked, items in list are always sorted"));
    m_aSorted->setCheckable(true);
    m_aSave = menuAction(m_listMenu, QStringLiteral("Save No&w"),
                         QStringLiteral("Save changes made to the template (optional)"));
    m_listMenu->addSeparator();
    m_aUndo = menuAction(m_listMenu, QStringLiteral("&Undo All Changes"),
                         QStringLiteral("Undo all changes made to the template since last save"));
    m_listMenu->addSeparator();
    QMenu* view = m_listMenu->addMenu(QStringLiteral("&View"));
    view->menuAction()->setStatusTip(QStringLiteral("Set how Clipbook is displayed (free window or docked)"));
    m_aFloat = menuAction(view, QStringLiteral("Floating &Window"),
                          QStringLiteral("Show Clipbook in a floating window"));
    m_aLeft = menuAction(view, QStringLiteral("Dock &Left Side"),
                         QStringLiteral("Dock Clipbook on left side of document"));
    m_aRight = menuAction(view, QStringLiteral("Dock &Right Side"),
                          QStringLiteral("Dock Clipbook on right side of document"));
    auto* group = new QActionGroup(this);
    for (QAction* a : {m_aFloat, m_aLeft, m_aRight}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    view->addSeparator();
    m_aFont = menuAction(view, QStringLiteral("&Font..."), QStringLiteral("Change Clipbook font"));
    m_aDefaultFont =
        menuAction(view, QStringLiteral("&Default Font"),
                   QStringLiteral("Use default Clipbook font (when docked, reflects document font)"));
    m_aDefaultFont->setCheckable(true);
    m_aHide = menuAction(m_listMenu, QStringLiteral("&Hide Clipbook"),
                         QStringLiteral("Hide Clipbook but keep it available for the glossary feature"));
    m_aClose = menuAction(m_listMenu, QStringLiteral("C&lose Clipbook"),
                          QStringLiteral("Close Clipbook window or pane"));

    connect(m_aPaste, &QAction::triggered, this, &ClipbookPane::pasteSelected);
    connect(m_aAddDoc, &QAction::triggered, this, &ClipbookPane::addFromDocument);
    connect(m_aCopy, &QAction::triggered, this, &ClipbookPane::copyToClipboard);
    connect(m_aAddClip, &QAction::triggered, this, &ClipbookPane::addFromClipboard);
    connect(m_aEdit, &QAction::triggered, this, [this] { editItem(false); });
    connect(m_aNew, &QAction::triggered, this, [this] { editItem(true); });
    connect(m_aRemove, &QAction::triggered, this, &ClipbookPane::removeItem);
    connect(m_aSorted, &QAction::triggered, this, &ClipbookPane::toggleSorted);
    connect(m_aSave, &QAction::triggered, this, &ClipbookPane::saveNow);
    connect(m_aUndo, &QAction::triggered, this, &ClipbookPane::undoAllChanges);
    connect(m_aFloat, &QAction::triggered, this, [this] { setClipPanelPos(cpFloatForm); });
    connect(m_aLeft, &QAction::triggered, this, [this] { setClipPanelPos(cpLeftPane); });
    connect(m_aRight, &QAction::triggered, this, [this] { setClipPanelPos(cpRightPane); });
    connect(m_aFont, &QAction::triggered, this, &ClipbookPane::chooseFont);
    connect(m_aDefaultFont, &QAction::triggered, this, &ClipbookPane::toggleDefaultFont);
    connect(m_aHide, &QAction::triggered, this, &ClipbookPane::hideClipbook);
    connect(m_aClose, &QAction::triggered, this,
            [this] { QTimer::singleShot(0, this, &ClipbookPane::closeClipbook); });
}

void ClipbookPane::updateTemplatesMenu() {
    m_aRename->setEnabled(m_templates.hasCurrent());
    m_aDelete->setEnabled(m_templates.hasCurrent());
}

void ClipbookPane::updateListMenu() {
    const int sel = selectedIndex();
    const bool command = sel >= 0 && m_list.item(static_cast<std::size_t>(sel)).isCommand();
    if (command) {
        m_aPaste->setText(QStringLiteral("E&xecute Command"));
        m_aPaste->setStatusTip(QStringLiteral("Execute selected item command"));
        m_aPaste->setEnabled(true);
    } else {
        m_aPaste->setText(QStringLiteral("&Paste to Document"));
        m_aPaste->setStatusTip(QStringLiteral("Paste selected item to document"));
        m_aPaste->setEnabled(sel >= 0 && m_memo && !m_memo->isReadOnly());
    }
    m_aAddDoc->setEnabled(m_memo && m_memo->hasSelection());
    m_aCopy->setEnabled(sel >= 0);
    m_aAddClip->setEnabled(clipboardHasText());
    m_aEdit->setEnabled(sel >= 0);
    m_aRemove->setEnabled(sel >= 0);
    m_aSorted->setChecked(m_list.sorted());
    m_aSave->setEnabled(m_list.modified());
    m_aUndo->setEnabled(m_list.modified());
    m_aFloat->setChecked(m_pos == cpFloatForm);
    m_aLeft->setChecked(m_pos == cpLeftPane);
    m_aRight->setChecked(m_pos == cpRightPane);
    m_aDefaultFont->setChecked(m_defaultFont);
    m_aHide->setVisible(m_pos != cpFloatForm);
}

// ------------------------------------------------------------ libraries

}  // namespace sj
