#include "widgets/ui/LabelledField.h"

#include <QGridLayout>

#include <algorithm>

namespace sj {

LabelledField::LabelledField(QWidget* control, const QString& labelText, QWidget* parent)
    : QWidget(parent), m_control(control), m_label(new QLabel(this)), m_grid(new QGridLayout(this)) {
    m_control->setParent(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_label->setBuddy(m_control);
    setFocusProxy(m_control);
    setLabelText(labelText);
    relayout();
}

void LabelledField::setLabelText(const QString& text) {
    m_text = text;
    QString shown = text;
    if (m_colon && !shown.isEmpty() && !shown.endsWith(QLatin1Char(':'))) shown += QLatin1Char(':');
    m_label->setText(shown);
}

void LabelledField::setLabelPos(LabelPosition pos) {
    m_pos = pos;
    relayout();
}

void LabelledField::setLabelMargin(int pixels) {
    m_margin = pixels;
    relayout();
}

void LabelledField::setLabelColon(bool on) {
    m_colon = on;
    setLabelText(m_text);
}

void LabelledField::setLabelOffset(int relLeft, int relTop) {
    m_relLeft = relLeft;
    m_relTop = relTop;
    relayout();
}

void LabelledField::relayout() {
    m_grid->removeWidget(m_label);
    m_grid->removeWidget(m_control);
    for (int i = 0; i < 3; ++i) {
        m_grid->setRowMinimumHeight(i, 0);
        m_grid->setColumnMinimumWidth(i, 0);
        m_grid->setRowStretch(i, 0);
        m_grid->setColumnStretch(i, 0);
    }
    m_grid->setSpacing(m_margin);
    m_label->setContentsMargins(0, 0, 0, 0);
    switch (m_pos) {
        case lpLeft:
            m_grid->addWidget(m_label, 0, 0);
            m_grid->addWidget(m_control, 0, 1);
            m_grid->setColumnStretch(1, 1);
            break;
        case lpRight:
            m_grid->addWidget(m_control, 0, 0);
            m_grid->addWidget(m_label, 0, 1);
            m_grid->setColumnStretch(0, 1);
            break;
        case lpTop:
            m_grid->addWidget(m_label, 0, 0);
            m_grid->addWidget(m_control, 1, 0);
            m_grid->setRowStretch(1, 1);
            break;
        case lpBottom:
            m_grid->addWidget(m_control, 0, 0);
            m_grid->addWidget(m_label, 1, 0);
            m_grid->setRowStretch(0, 1);
            break;
        case lpCustom:
            // Above the control, shifted by the offset's left part: the
            // dialogs place their captions so.
            m_grid->setSpacing(std::max(0, -m_relTop - m_label->sizeHint().height()));
            m_label->setContentsMargins(std::max(0, m_relLeft), 0, 0, 0);
            m_grid->addWidget(m_label, 0, 0);
            m_grid->addWidget(m_control, 1, 0);
            m_grid->setRowStretch(1, 1);
            break;
    }
}

}  // namespace sj
