#include "widgets/ui/ListField.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace sj {

ListField::ListField(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (m_programChange) return;
        noteUserEdit();
        emit modified();
    });
    storeEntry();
}

int ListField::findItem(const QString& text) const {
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < count(); ++i)
        if (item(i)->text().compare(text, cs) == 0) return i;
    return -1;
}

QString ListField::currentText() const {
    const QListWidgetItem* it = currentItem();
    return it && it->isSelected() ? it->text() : QString();
}

void ListField::setCurrentText(const QString& text) {
    const bool wasChanged = changedSinceEntry();
    putText(text);
    if (!wasChanged) storeEntry();
}

void ListField::putText(const QString& text) {
    m_programChange = true;
    const int row = text.isEmpty() ? -1 : findItem(text);
    if (row < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(row);
    }
    m_programChange = false;
}

void ListField::focusInEvent(QFocusEvent* e) {
    if (!AllowNull && count() > 0 && currentText().isEmpty()) {
        m_programChange = true;
        setCurrentRow(0);
        m_programChange = false;
    }
    focusEntered(e);
    QListWidget::focusInEvent(e);
}

void ListField::keyPressEvent(QKeyEvent* e) {
    if (handleKey(e)) {
        e->accept();
        return;
    }
    if (ReadOnly) {
        // Moving through a read-only list would change its value.
        e->ignore();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void ListField::mousePressEvent(QMouseEvent* e) {
    if (ReadOnly) {
        setFocus(Qt::MouseFocusReason);
        e->accept();
        return;
    }
    QListWidgetItem* hit = itemAt(e->position().toPoint());
    if (hit && AllowToggle && AllowNull && hit->isSelected() && e->button() == Qt::LeftButton) {
        hit->setSelected(false);
        setCurrentRow(-1);
        noteUserEdit();
        emit modified();
        e->accept();
        return;
    }
    QListWidget::mousePressEvent(e);
}

QItemSelectionModel::SelectionFlags ListField::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    // Ctrl+click would leave the list without a selection.
    if (!AllowNull && !index.isValid()) return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

}  // namespace sj
