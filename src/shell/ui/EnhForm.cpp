#include "shell/ui/EnhForm.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace sj {

TEnhForm::TEnhForm(QWidget* self, bool mainRole) : TFixForm(self, mainRole) {}

void TEnhForm::captureDesign() {
    if (m_designTaken) return;
    m_designTaken = true;
    m_design = formWidget()->size();
}

void TEnhForm::setSizeLocks(bool width, bool height) {
    m_lockWidth = width;
    m_lockHeight = height;
    if (formWidget()->isVisible()) applyLocks();
}

void TEnhForm::setFixedPosition(bool on) {
    m_fixedPosition = on;
    formWidget()->setWindowFlag(Qt::WindowMaximizeButtonHint, !on);
}

void TEnhForm::applyLocks() {
    QWidget* w = formWidget();
    captureDesign();
    if (m_lockWidth) w->setFixedWidth(m_design.width());
    if (m_lockHeight) w->setFixedHeight(m_design.height());
}

bool TEnhForm::formEvent(QEvent* e) {
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
    return TFixForm::formEvent(e);
}

}  // namespace sj
