#include "shell/ui/KixEdit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "shell/ui/InputBoxMaster.h"

namespace sj {

TKixEdit::TKixEdit(QWidget* parent) : TKixEdit(QString(), parent) {}

TKixEdit::TKixEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    storeEntry();
    connect(this, &QLineEdit::textEdited, this, [this] {
        noteUserEdit();
        emit edited();
    });
    if (TInputBoxMaster* m = TInputBoxMaster::of(this)) KixInput::setOverwriteMode(m->overwriteMode());
}

void TKixEdit::setText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    QLineEdit::setText(text);
    if (!wasChanged) storeEntry();
}

void TKixEdit::putText(const QString& text) {
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void TKixEdit::focusInEvent(QFocusEvent* e) {
    storeEntry();
    QLineEdit::focusInEvent(e);
}

void TKixEdit::keyPressEvent(QKeyEvent* e) {
    if (handleKey(e)) {
        e->accept();
        return;
    }
    // Overwrite: the character after the caret gives way to the typed one.
    if (overwriteMode() && !isReadOnly() && !hasSelectedText() && !e->text().isEmpty() &&
        e->text().at(0).isPrint() && cursorPosition() < text().size())
        setSelection(cursorPosition(), text().at(cursorPosition()).isHighSurrogate() ? 2 : 1);
    QLineEdit::keyPressEvent(e);
}

void TKixEdit::contextMenuEvent(QContextMenuEvent* e) {
    TInputBoxMaster* m = TInputBoxMaster::of(this);
    if (m && !m->UseContextMenu) {
        QLineEdit::contextMenuEvent(e);
        return;
    }
    (m ? m->InputBoxMenu : TInputBoxMenu()).popup(this, e->globalPos());
}

}  // namespace sj
