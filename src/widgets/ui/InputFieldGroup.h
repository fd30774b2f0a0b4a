#pragma once
// `InputFieldGroup`: one per form. It shares the overwrite mode among the
// form's input controls and gives them the editing menu `FieldEditMenu`.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QMenu;
class QPoint;
class QWidget;

namespace sj {

class InputField;

// The editing menu: its items, which to show, and their enabling when it pops up.
class FieldEditMenu {
public:
    enum Show : unsigned {
        smUndo = 1u << 0,
        smOverwrite = 1u << 1,
        smBreak1 = 1u << 2,
        smCut = 1u << 3,
        smCopy = 1u << 4,
        smPaste = 1u << 5,
        smDelete = 1u << 6,
        smClear = 1u << 7,
        smBreak2 = 1u << 8,
        smSelectAll = 1u << 9,
        smAll = (1u << 10) - 1,
    };
    unsigned ShowInMenu = smAll;

    // The menu for a field (one of ours, or a plain line edit, text edit or combo box).
    QMenu* build(QWidget* field, QWidget* parent) const;
    void popup(QWidget* field, const QPoint& globalPos) const;
};

class InputFieldGroup : public QObject {
    Q_OBJECT
public:
    explicit InputFieldGroup(QWidget* form);

    // The master of the form a field sits on, if there is one.
    static InputFieldGroup* of(const QWidget* field);

    bool overwriteMode() const { return m_overwrite; }
    void setOverwriteMode(bool on);
    bool UseContextMenu = true;
    FieldEditMenu InputBoxMenu;

    // Gives the form's plain edits the editing menu as well.
    void attachPlainFields();

signals:
    void modeChanged(bool overwrite);

private:
    bool eventFilter(QObject* watched, QEvent* e) override;
    QWidget* m_form;
    bool m_overwrite = false;
};

}  // namespace sj
