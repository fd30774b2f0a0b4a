#pragma once
// What the program's enhanced input controls share: the entry text (what the
// field held when it got the focus or the program last set it), undo back to
// it, Esc restoring it, and the overwrite mode.
#include <QString>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace sj {

class InputField {
public:
    virtual ~InputField() = default;

    bool UndoWhenEsc = true;
    bool DispatchInsMode = true;

    const QString& entryText() const { return m_entry; }
    bool changedSinceEntry() const { return m_changed; }
    // Back to the entry text, caret at the start, unmodified.
    void restoreEntry();
    // An accepted value becomes the new entry text.
    void commit();

    bool overwriteMode() const { return m_overwrite; }
    virtual void setOverwriteMode(bool on) { m_overwrite = on; }

    virtual QWidget* widget() = 0;
    virtual QString currentText() const = 0;
    virtual bool isReadOnlyField() const = 0;

protected:
    virtual void putText(const QString& text) = 0;
    void storeEntry();
    // Getting the focus: only a real entry stores the entry text, not the focus
    // coming back from a popup menu or from another window.
    void focusEntered(const QFocusEvent* e);
    void noteUserEdit() { m_changed = true; }
    // Esc and Insert; true when the key was consumed.
    bool handleKey(QKeyEvent* e);

private:
    QString m_entry;
    bool m_changed = false;
    bool m_overwrite = false;
};

}  // namespace sj
