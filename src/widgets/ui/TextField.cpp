#include "widgets/ui/TextField.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "widgets/ui/InputFieldGroup.h"

namespace sj {

TextField::TextField(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_settingText) return;
        noteUserEdit();
        emit edited();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TextField::cursorMoved);
    storeEntry();
    if (InputFieldGroup* m = InputFieldGroup::of(this)) setOverwriteMode(m->overwriteMode());
}

void TextField::setText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
    if (!wasChanged) storeEntry();
}

void TextField::putText(const QString& text) {
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
    moveCursor(QTextCursor::Start);
}

void TextField::setOverwriteMode(bool on) {
    InputField::setOverwriteMode(on);
    // The toolkit's overwrite replaces the character after the caret and
    // never the line break, which is the rule of the other fields.
    QPlainTextEdit::setOverwriteMode(on);
}

void TextField::focusInEvent(QFocusEvent* e) {
    focusEntered(e);
    QPlainTextEdit::focusInEvent(e);
}

void TextField::keyPressEvent(QKeyEvent* e) {
    if (handleKey(e)) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TextField::contextMenuEvent(QContextMenuEvent* e) {
    InputFieldGroup* m = InputFieldGroup::of(this);
    if (m && !m->useContextMenu) {
        QPlainTextEdit::contextMenuEvent(e);
        return;
    }
    if (WindowsUndo) {
        // The toolkit's menu carries its own undo.
        QPlainTextEdit::contextMenuEvent(e);
        return;
    }
    (m ? m->editMenu : FieldEditMenu()).popup(this, e->globalPos());
}

}  // namespace sj
