#pragma once
// `TKixMemo`: the program's multi-line input field, with the entry-text undo,
// Esc and the shared overwrite mode of the other input controls.
#include <QPlainTextEdit>

#include "shell/ui/KixInput.h"

namespace sj {

class TKixMemo : public QPlainTextEdit, public KixInput {
    Q_OBJECT
public:
    explicit TKixMemo(QWidget* parent = nullptr);

    // The toolkit's own undo for the editing menu's "&Undo", instead of
    // going back to the entry text.
    bool WindowsUndo = false;

    void setText(const QString& text);
    QString text() const { return toPlainText(); }

    using KixInput::overwriteMode;
    void setOverwriteMode(bool on) override;
    QWidget* widget() override { return this; }
    QString currentText() const override { return toPlainText(); }
    bool isReadOnlyField() const override { return isReadOnly(); }

signals:
    void edited();
    void cursorMoved();

protected:
    void putText(const QString& text) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool m_settingText = false;
};

}  // namespace sj
