#pragma once
// `ListField`: the program's list field. Its "entry text" is the item that
// was current when it got the focus; Esc goes back to it.
#include <QListWidget>

#include "widgets/ui/InputField.h"

namespace sj {

class ListField : public QListWidget, public InputField {
    Q_OBJECT
public:
    explicit ListField(QWidget* parent = nullptr);

    // Without AllowNull, a list with items always has one selected.
    bool AllowNull = true;
    // A click on the selected item deselects it (needs AllowNull).
    bool AllowToggle = false;
    bool CaseSensitive = false;
    bool ReadOnly = false;

    // Index of the item equal to text (letter case ignored unless CaseSensitive).
    int findItem(const QString& text) const;
    void setCurrentText(const QString& text);

    QWidget* widget() override { return this; }
    QString currentText() const override;
    bool isReadOnlyField() const override { return ReadOnly; }

signals:
    void modified();

protected:
    void putText(const QString& text) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool m_programChange = false;
};

}  // namespace sj
