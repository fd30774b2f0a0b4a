#include "texttools/ui/DocumentSelector.h"
#include "config/WindowKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/ListField.h"

namespace sj {

DocumentSelector::DocumentSelector(AppHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), PlacementWindow(this), m_host(host) {
    setObjectName(QStringLiteral("DocumentSelector"));
    KeyPrefix = windowkeys::kDocumentSelector;
    setAttribute(Qt::WA_DeleteOnClose);
    PlacementGroups = WindowPlacement::Size | WindowPlacement::Position;
    pageList = new ListField(this);
    // Esc closes the selector rather than going back to the entry item.
    pageList->UndoWhenEsc = false;
    pageList->setObjectName(QStringLiteral("pageList"));
    pageList->setToolTip(QStringLiteral("Activate selected document (Enter returns to editor)"));
    // Long paths keep both their start and their file name in view; the whole
    // path is the item's tool tip.
    pageList->setTextElideMode(Qt::ElideMiddle);
    pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pageList->installEventFilter(this);
    pageList->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageList);

    popupMenu = new QMenu(this);
    closeDocumentAction = popupMenu->addAction(QStringLiteral("&Close Document"));
    closeDocumentAction->setStatusTip(QStringLiteral("Close current document"));
    eraseDocumentAction = popupMenu->addAction(QStringLiteral("&Erase Document"));
    eraseDocumentAction->setStatusTip(
        QStringLiteral("Delete current document (erases file if it exists on disk)"));
    goToDocumentAction = popupMenu->addAction(QStringLiteral("&Go to Document"));
    goToDocumentAction->setStatusTip(QStringLiteral("Shift focus to document"));
    popupMenu->addSeparator();
    closeSelectorAction = popupMenu->addAction(QStringLiteral("Close Selector &Window"));
    closeSelectorAction->setStatusTip(QStringLiteral("Close selector window and return to editor"));
    connect(closeDocumentAction, &QAction::triggered, this, [this] {
        m_host.documents().closeCurrent();
        m_host.refreshStatus();
    });
    connect(eraseDocumentAction, &QAction::triggered, this, [this] {
        m_host.documents().deleteCurrent();
        m_host.refreshStatus();
    });
    connect(goToDocumentAction, &QAction::triggered, this, &DocumentSelector::focusEditor);
    connect(closeSelectorAction, &QAction::triggered, this, [this] {
        close();
        m_host.window()->activateWindow();
    });

    connect(pageList, &QListWidget::currentRowChanged, this, &DocumentSelector::rowChosen);
    connect(pageList, &QListWidget::itemDoubleClicked, this, &DocumentSelector::focusEditor);
    DocumentSet& docs = host.documents();
    connect(&docs, &DocumentSet::titlesChanged, this, &DocumentSelector::reload);
    connect(&docs, &DocumentSet::currentChanged, this, &DocumentSelector::selectCurrent);
    reload();
    // Wide enough for the caption beside the window frame's buttons.
    const int captionWidth = fontMetrics().horizontalAdvance(windowTitle() + QStringLiteral(" [999]"));
    resize(std::max(280, captionWidth + 120), 260);
}

void DocumentSelector::reload() {
    DocumentSet& docs = m_host.documents();
    std::vector<std::string> titles;
    for (int i = 0; i < docs.count(); ++i) titles.push_back(docs.page(i)->title());
    m_list = DocumentSelectorList(std::move(titles));
    m_guard = true;
    pageList->clear();
    for (const std::string& t : m_list.titles()) {
        auto* item = new QListWidgetItem(QString::fromStdString(t), pageList);
        item->setToolTip(item->text());
    }
    m_guard = false;
    setWindowTitle(QString::fromStdString(m_list.caption()));
    selectCurrent();
}

void DocumentSelector::selectCurrent() {
    DocumentPage* page = m_host.documents().current();
    m_guard = true;
    if (page) {
        const auto row = m_list.indexOf(page->title());
        // A title that changed without notice: the list is stale.
        if (!row) {
            m_guard = false;
            reload();
            return;
        }
        pageList->setCurrentRow(static_cast<int>(*row));
    } else {
        pageList->setCurrentRow(-1);
    }
    m_guard = false;
}

void DocumentSelector::rowChosen(int row) {
    if (m_guard || row < 0 || row >= static_cast<int>(m_list.titles().size())) return;
    DocumentSet& docs = m_host.documents();
    const std::string& title = m_list.titles()[static_cast<std::size_t>(row)];
    for (int i = 0; i < docs.count(); ++i) {
        if (docs.page(i)->title() != title) continue;
        if (i != docs.currentIndex()) {
            m_guard = true;
            docs.select(i);
            m_guard = false;
            m_host.refreshStatus();
        }
        break;
    }
    pageList->setFocus();
}

void DocumentSelector::focusEditor() {
    m_host.window()->activateWindow();
    if (DocumentPage* page = m_host.currentPage()) page->setFocus();
}

void DocumentSelector::showPopup(const QPoint& global) {
    const bool selected = pageList->currentRow() >= 0;
    closeDocumentAction->setEnabled(selected);
    goToDocumentAction->setEnabled(selected);
    DocumentPage* page = m_host.currentPage();
    eraseDocumentAction->setEnabled(selected && page && page->hasFileName());
    popupMenu->popup(global);
}

bool DocumentSelector::eventFilter(QObject* watched, QEvent* e) {
    if (watched == pageList && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool plain = (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (k->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (plain && k->key() == Qt::Key_Delete) {
            if (pageList->currentRow() >= 0) closeDocumentAction->trigger();
            return true;
        }
        if (plain && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) return true;
    }
    if (watched == pageList && e->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool plain = (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && !k->isAutoRepeat() && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            focusEditor();
            return true;
        }
    }
    if (watched == pageList->viewport() && e->type() == QEvent::MouseButtonRelease) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::RightButton) {
            if (QListWidgetItem* item = pageList->itemAt(m->position().toPoint()))
                pageList->setCurrentItem(item);
            showPopup(m->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void DocumentSelector::closeEvent(QCloseEvent* e) {
    emit closed();
    QWidget::closeEvent(e);
}

}  // namespace sj
