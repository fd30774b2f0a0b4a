#include "app/ui/DocumentTabs.h"

#include <QContextMenuEvent>
#include <QTabBar>

#include <stdexcept>

#include "document/ui/DocumentPage.h"

namespace sj {

DocumentTabs::DocumentTabs(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(true);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    tabBar()->setMovable(true);
    tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabBar(), &QTabBar::customContextMenuRequested, this, [this](const QPoint& p) {
        // The right button selects the tab under it first.
        const int index = tabBar()->tabAt(p);
        if (index >= 0) select(index);
        emit tabMenuRequested(tabBar()->mapToGlobal(p));
    });
    connect(this, &QTabWidget::currentChanged, this, [this](int index) { emit pageChanged(index); });
}

int DocumentTabs::add(const QString& caption, DocumentPage* page) {
    return addTab(page, caption);
}

void DocumentTabs::remove(int index) {
    DocumentPage* p = page(index);
    removeTab(index);
    if (p && m_destroyObjects) p->deleteLater();
}

void DocumentTabs::select(int index) {
    if (index != currentIndex()) setCurrentIndex(index);
}

void DocumentTabs::setCaption(int index, const QString& text) {
    if (index < 0 || index >= count()) throw std::out_of_range("Tab index out of range!");
    setTabText(index, text);
}

DocumentPage* DocumentTabs::page(int index) const {
    return qobject_cast<DocumentPage*>(widget(index));
}

int DocumentTabs::indexOfPage(const DocumentPage* p) const {
    return indexOf(const_cast<DocumentPage*>(p));
}

void DocumentTabs::setStacked(bool on) {
    // The tab bar has no multi-row layout; stacking shows every tab at once by
    // letting captions elide instead of scrolling the row.
    setUsesScrollButtons(!on);
    setElideMode(on ? Qt::ElideMiddle : Qt::ElideNone);
    tabBar()->setExpanding(on);
}

}  // namespace sj
