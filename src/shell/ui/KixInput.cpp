#include "shell/ui/KixInput.h"

#include <QKeyEvent>
#include <QWidget>

#include "shell/ui/InputBoxMaster.h"

namespace sj {

void KixInput::restoreEntry() {
    putText(m_entry);
    m_changed = false;
}

void KixInput::commit() {
    m_entry = currentText();
    m_changed = false;
}

void KixInput::storeEntry() {
    m_entry = currentText();
    m_changed = false;
}

bool KixInput::handleKey(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && UndoWhenEsc && m_changed) {
        restoreEntry();
        return true;
    }
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        TInputBoxMaster* master = DispatchInsMode ? TInputBoxMaster::of(widget()) : nullptr;
        if (master)
            master->setOverwriteMode(!m_overwrite);
        else
            setOverwriteMode(!m_overwrite);
        return true;
    }
    return false;
}

}  // namespace sj
