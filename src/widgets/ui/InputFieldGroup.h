#pragma once
// `InputFieldGroup`: one per form. It shares the overwrite mode among the
// form's input controls and gives them the editing menu `FieldEditMenu`.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "widgets/ui/FieldEditMenu.h"

class QWidget;

namespace sj {

class InputFieldGroup : public QObject {
    Q_OBJECT
public:
    explicit InputFieldGroup(QWidget* form);

    // The master of the form a field sits on, if there is one.
    static InputFieldGroup* of(const QWidget* field);

    bool overwriteMode() const { return m_overwrite; }
    void setOverwriteMode(bool on);
    bool useContextMenu = true;
    FieldEditMenu editMenu;

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
