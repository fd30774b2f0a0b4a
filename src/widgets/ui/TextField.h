#pragma once
// `TextField`: the program's multi-line input field, with the entry-text undo,
// Esc and the shared overwrite mode of the other input controls.
#include <QPlainTextEdit>

#include "widgets/ui/InputField.h"

namespace sj {

class TextField : public QPlainTextEdit, public InputField {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    // The toolkit's own undo for the editing menu's "&Undo", instead of
    // going back to the entry text.
    bool WindowsUndo = false;

    void setText(const QString& text);
    QString text() const { return toPlainText(); }

    using InputField::overwriteMode;
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
