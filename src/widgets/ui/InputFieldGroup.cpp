#include "widgets/ui/InputFieldGroup.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "widgets/ui/InputField.h"

namespace sj {
InputFieldGroup::InputFieldGroup(QWidget* form) : QObject(form), m_form(form) {
    setObjectName(QStringLiteral("InputFieldGroup"));
}

InputFieldGroup* InputFieldGroup::of(const QWidget* field) {
    if (!field) return nullptr;
    const QWidget* form = field->window();
    return form ? form->findChild<InputFieldGroup*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void InputFieldGroup::setOverwriteMode(bool on) {
    m_overwrite = on;
    for (QWidget* w : m_form->findChildren<QWidget*>())
        if (auto* k = dynamic_cast<InputField*>(w)) k->setOverwriteMode(on);
    emit modeChanged(on);
}

void InputFieldGroup::attachPlainFields() {
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        if (dynamic_cast<InputField*>(w)) continue;
        if (qobject_cast<QComboBox*>(w->parentWidget()) && qobject_cast<QLineEdit*>(w)) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            w->setContextMenuPolicy(Qt::DefaultContextMenu);
            w->installEventFilter(this);
        }
    }
}

bool InputFieldGroup::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ContextMenu && useContextMenu) {
        editMenu.popup(static_cast<QWidget*>(watched), static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace sj
