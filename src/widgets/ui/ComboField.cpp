#include "widgets/ui/ComboField.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/ui/InputFieldGroup.h"

namespace sj {

ComboField::ComboField(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    hookLineEdit();
    storeEntry();
}

void ComboField::hookLineEdit() {
    if (!lineEdit()) return;
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        noteUserEdit();
        emit edited();
    });
    connect(this, &QComboBox::activated, this, [this] { noteUserEdit(); });
    lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lineEdit(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, lineEdit()->mapToGlobal(pos));
        contextMenuEvent(&e);
    });
}

void ComboField::setText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    const int i =
        findText(text, CaseSensitive ? Qt::MatchFixedString | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (i >= 0) setCurrentIndex(i);
    if (lineEdit()) lineEdit()->setText(text);
    if (!wasChanged) storeEntry();
}

void ComboField::putText(const QString& text) {
    if (!lineEdit()) {
        setCurrentIndex(findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        return;
    }
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(0);
}

void ComboField::focusInEvent(QFocusEvent* e) {
    if (!AllowNull && count() > 0 && currentIndex() < 0) setCurrentIndex(0);
    focusEntered(e);
    QComboBox::focusInEvent(e);
}

void ComboField::focusOutEvent(QFocusEvent* e) {
    // A popup of its own list is no leaving of the field.
    if (e->reason() != Qt::PopupFocusReason) validate();
    QComboBox::focusOutEvent(e);
}

bool ComboField::validate() {
    std::vector<std::string> items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i) items.push_back(itemText(i).toStdString());
    ComboRules rules;
    rules.allowNull = AllowNull;
    rules.limitToList = LimitToList;
    rules.addNewToList = AddNewToList;
    rules.addNewToStart = AddNewToStart;
    rules.caseSensitive = CaseSensitive;
    NotInListHandler ask;
    if (OnNotInList) ask = [this](const std::string& t) { return OnNotInList(QString::fromStdString(t)); };
    const ComboOutcome out =
        validateComboText(currentText().toStdString(), entryText().toStdString(), items, rules, ask);
    const QString text = QString::fromStdString(out.text);
    if (out.addAt >= 0) insertItem(out.addAt, text);
    if (out.restored) {
        restoreEntry();
    } else if (lineEdit() && lineEdit()->text() != text) {
        lineEdit()->setText(text);
    }
    if (out.selected >= 0 && currentIndex() != out.selected) {
        setCurrentIndex(out.selected);
        if (lineEdit()) lineEdit()->setText(text);
    }
    return !out.restored;
}

void ComboField::keyPressEvent(QKeyEvent* e) {
    if (!view()->isVisible() && handleKey(e)) {
        e->accept();
        return;
    }
    QLineEdit* le = lineEdit();
    if (le && overwriteMode() && !le->hasSelectedText() && !e->text().isEmpty() &&
        e->text().at(0).isPrint() && le->cursorPosition() < le->text().size())
        le->setSelection(le->cursorPosition(), le->text().at(le->cursorPosition()).isHighSurrogate() ? 2 : 1);
    QComboBox::keyPressEvent(e);
}

void ComboField::contextMenuEvent(QContextMenuEvent* e) {
    InputFieldGroup* m = InputFieldGroup::of(this);
    if (m && !m->useContextMenu) {
        QComboBox::contextMenuEvent(e);
        return;
    }
    (m ? m->editMenu : FieldEditMenu()).popup(this, e->globalPos());
}

}  // namespace sj
