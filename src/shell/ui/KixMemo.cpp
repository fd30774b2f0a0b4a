#include "shell/ui/KixMemo.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "shell/ui/InputBoxMaster.h"

namespace sj {

TKixMemo::TKixMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_settingText) return;
        noteUserEdit();
        emit edited();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TKixMemo::cursorMoved);
    storeEntry();
    if (TInputBoxMaster* m = TInputBoxMaster::of(this)) setOverwriteMode(m->overwriteMode());
}

void TKixMemo::setText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
    if (!wasChanged) storeEntry();
}

void TKixMemo::putText(const QString& text) {
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
    moveCursor(QTextCursor::Start);
}

void TKixMemo::setOverwriteMode(bool on) {
    KixInput::setOverwriteMode(on);
    // The toolkit's overwrite replaces the character after the caret and
    // never the line break, which is the rule of the other fields.
    QPlainTextEdit::setOverwriteMode(on);
}

void TKixMemo::focusInEvent(QFocusEvent* e) {
    storeEntry();
    QPlainTextEdit::focusInEvent(e);
}

void TKixMemo::keyPressEvent(QKeyEvent* e) {
    if (handleKey(e)) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TKixMemo::contextMenuEvent(QContextMenuEvent* e) {
    TInputBoxMaster* m = TInputBoxMaster::of(this);
    if (m && !m->UseContextMenu) {
        QPlainTextEdit::contextMenuEvent(e);
        return;
    }
    if (WindowsUndo) {
        // The toolkit's menu carries its own undo.
        QPlainTextEdit::contextMenuEvent(e);
        return;
    }
    (m ? m->InputBoxMenu : TInputBoxMenu()).popup(this, e->globalPos());
}

}  // namespace sj
