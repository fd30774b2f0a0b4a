#pragma once
// `LineField`: the program's single-line input field.
#include <QLineEdit>

#include "widgets/ui/InputField.h"

namespace sj {

class LineField : public QLineEdit, public InputField {
    Q_OBJECT
public:
    explicit LineField(QWidget* parent = nullptr);
    explicit LineField(const QString& text, QWidget* parent = nullptr);

    // Text set by the program becomes the entry text while the user has not
    // changed the field.
    void setText(const QString& text);

    QWidget* widget() override { return this; }
    QString currentText() const override { return text(); }
    bool isReadOnlyField() const override { return isReadOnly(); }

signals:
    void edited();

protected:
    void putText(const QString& text) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

}  // namespace sj
