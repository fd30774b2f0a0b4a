#pragma once
// `ComboField`: the program's drop-down input field, with the entry-text
// undo of the edits and the list rules AllowNull, LimitToList and AddNewToList.
#include <QComboBox>
#include <functional>

#include "widgets/InputRules.h"
#include "widgets/ui/InputField.h"

namespace sj {

class ComboField : public QComboBox, public InputField {
    Q_OBJECT
public:
    explicit ComboField(QWidget* parent = nullptr);

    bool AllowNull = true;
    bool LimitToList = false;
    bool AddNewToList = false;
    bool AddNewToStart = false;
    bool CaseSensitive = false;
    // Asked about a text the rules refuse (or, with AddNewToList, one to add).
    std::function<NotInListAnswer(const QString& text)> OnNotInList;

    void setText(const QString& text);
    // Judges the text as when the user leaves the field; false when it went
    // back to the entry text.
    bool validate();

    QWidget* widget() override { return this; }
    QString currentText() const override { return QComboBox::currentText(); }
    bool isReadOnlyField() const override { return !isEditable(); }

signals:
    void edited();

protected:
    void putText(const QString& text) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void hookLineEdit();
};

}  // namespace sj
