#include "widgets/ui/DesignSizeWindow.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace sj {

DesignSizeWindow::DesignSizeWindow(QWidget* self, bool mainRole) : StayOnTopWindow(self, mainRole) {}

void DesignSizeWindow::captureDesign() {
    if (m_designTaken) return;
    m_designTaken = true;
    m_design = formWidget()->size();
}

void DesignSizeWindow::setSizeLocks(bool width, bool height) {
    m_lockWidth = width;
    m_lockHeight = height;
    if (formWidget()->isVisible()) applyLocks();
}

void DesignSizeWindow::setFixedPosition(bool on) {
    m_fixedPosition = on;
    formWidget()->setWindowFlag(Qt::WindowMaximizeButtonHint, !on);
}

void DesignSizeWindow::applyLocks() {
    QWidget* w = formWidget();
    captureDesign();
    if (m_lockWidth) w->setFixedWidth(m_design.width());
    if (m_lockHeight) w->setFixedHeight(m_design.height());
}

bool DesignSizeWindow::formEvent(QEvent* e) {
    if (e->type() == QEvent::Show) {
        captureDesign();
        applyLocks();
        if (!m_shownOnce) {
            m_shownOnce = true;
            if (m_firstFocus) m_firstFocus->setFocus();
            firstShow();
        }
    } else if (e->type() == QEvent::WindowActivate && !m_activatedOnce) {
        m_activatedOnce = true;
        firstActivation();
    }
    return StayOnTopWindow::formEvent(e);
}

}  // namespace sj
