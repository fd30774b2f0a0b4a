#include "widgets/ui/LineField.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "widgets/ui/InputFieldGroup.h"

namespace sj {

LineField::LineField(QWidget* parent) : LineField(QString(), parent) {}

LineField::LineField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    storeEntry();
    connect(this, &QLineEdit::textEdited, this, [this] {
        noteUserEdit();
        emit edited();
    });
    if (InputFieldGroup* m = InputFieldGroup::of(this)) InputField::setOverwriteMode(m->overwriteMode());
}

void LineField::setText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    QLineEdit::setText(text);
    if (!wasChanged) storeEntry();
}

void LineField::putText(const QString& text) {
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void LineField::focusInEvent(QFocusEvent* e) {
    focusEntered(e);
    QLineEdit::focusInEvent(e);
}

void LineField::keyPressEvent(QKeyEvent* e) {
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

void LineField::contextMenuEvent(QContextMenuEvent* e) {
    InputFieldGroup* m = InputFieldGroup::of(this);
    if (m && !m->useContextMenu) {
        QLineEdit::contextMenuEvent(e);
        return;
    }
    (m ? m->editMenu : FieldEditMenu()).popup(this, e->globalPos());
}

}  // namespace sj
