#include "shell/ui/EnhTabControl.h"

#include <QContextMenuEvent>
#include <QTabBar>

#include <stdexcept>

#include "shell/ui/FilePage.h"

namespace sj {

TEnhTabControl::TEnhTabControl(QWidget* parent) : QTabWidget(parent) {
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
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_moving) emit pageChanged(index);
    });
    connect(tabBar(), &QTabBar::tabMoved, this, [this](int, int) {});
}

int TEnhTabControl::add(const QString& caption, TFilePage* page) { return addTab(page, caption); }

void TEnhTabControl::remove(int index) {
    TFilePage* p = page(index);
    removeTab(index);
    if (p && m_destroyObjects) p->deleteLater();
}

void TEnhTabControl::select(int index) {
    if (index != currentIndex()) setCurrentIndex(index);
}

void TEnhTabControl::setCaption(int index, const QString& text) {
    if (index < 0 || index >= count()) throw std::out_of_range("Tab index out of range!");
    setTabText(index, text);
}

TFilePage* TEnhTabControl::page(int index) const { return qobject_cast<TFilePage*>(widget(index)); }

int TEnhTabControl::indexOfPage(const TFilePage* p) const {
    return indexOf(const_cast<TFilePage*>(p));
}

int TEnhTabControl::hitTest(const QPoint& point) const { return tabBar()->tabAt(tabBar()->mapFrom(this, point)); }

void TEnhTabControl::moveTab(int from, int to) {
    if (from == to) return;
    m_moving = true;
    tabBar()->moveTab(from, to);
    m_moving = false;
}

void TEnhTabControl::setStacked(bool on) {
    // The tab bar has no multi-row layout; stacking shows every tab at once by
    // letting captions elide instead of scrolling the row.
    setUsesScrollButtons(!on);
    setElideMode(on ? Qt::ElideMiddle : Qt::ElideNone);
    tabBar()->setExpanding(on);
}

}  // namespace sj
