#include "widgets/ui/InputField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/ui/InputFieldGroup.h"

namespace sj {

void InputField::restoreEntry() {
    putText(m_entry);
    m_changed = false;
}

void InputField::commit() {
    m_entry = currentText();
    m_changed = false;
}

void InputField::storeEntry() {
    m_entry = currentText();
    m_changed = false;
}

void InputField::focusEntered(const QFocusEvent* e) {
    if (e->reason() == Qt::PopupFocusReason) return;
    storeEntry();
}

bool InputField::handleKey(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && UndoWhenEsc && m_changed) {
        restoreEntry();
        return true;
    }
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        InputFieldGroup* master = DispatchInsMode ? InputFieldGroup::of(widget()) : nullptr;
        if (master)
            master->setOverwriteMode(!m_overwrite);
        else
            setOverwriteMode(!m_overwrite);
        return true;
    }
    return false;
}

}  // namespace sj
