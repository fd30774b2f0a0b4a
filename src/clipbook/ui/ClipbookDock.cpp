#include "clipbook/ui/ClipbookDock.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QResizeEvent>
#include <QTimer>

namespace sj {

ClipbookDock::ClipbookDock(QMainWindow* main, QWidget* pane) : QDockWidget(main) {
    setObjectName(QStringLiteral("ClipbookDock"));
    setWindowTitle(QStringLiteral("Clipbook"));
    setStatusTip(QStringLiteral("Clipbook"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(pane);
}

void ClipbookDock::closeEvent(QCloseEvent* e) {
    if (shuttingDown || !onCloseClicked) {
        QDockWidget::closeEvent(e);
        return;
    }
    e->ignore();
    // Closing destroys this window: do it once the event is over.
    auto f = onCloseClicked;
    QTimer::singleShot(0, this, f);
}

void ClipbookDock::resizeEvent(QResizeEvent* e) {
    QDockWidget::resizeEvent(e);
    if (!isFloating() && isVisible() && !shuttingDown && onDockedWidthChanged &&
        e->size().width() != e->oldSize().width())
        onDockedWidthChanged(e->size().width());
}

}  // namespace sj
