#pragma once
// Editable drop-down of the find and replace dialogs: a paste puts the
// clipboard text in token form, so line breaks and tabs stay searchable.
#include <QStringList>

#include "widgets/ui/ComboField.h"

namespace sj {

class SearchTokenCombo : public ComboField {
    Q_OBJECT
public:
    explicit SearchTokenCombo(QWidget* parent = nullptr);

    // Replaces the entries, keeping the text being typed.
    void setHistory(const QStringList& items);
    // Inserts clipboard text, converted, at the caret of the box.
    void pasteTokens(const QString& clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

}  // namespace sj
