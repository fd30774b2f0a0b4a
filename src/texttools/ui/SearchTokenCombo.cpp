#include "texttools/ui/SearchTokenCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "texttools/FindTokens.h"
#include "widgets/InputRules.h"
#include "widgets/ui/InputFieldGroup.h"

namespace sj {

SearchTokenCombo::SearchTokenCombo(QWidget* parent) : ComboField(parent) {
    setMaxVisibleItems(15);
    lineEdit()->setMaxLength(255);
    lineEdit()->installEventFilter(this);
}

void SearchTokenCombo::setHistory(const QStringList& items) {
    const QString typed = currentText();
    blockSignals(true);
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(typed);
    blockSignals(false);
}

void SearchTokenCombo::pasteTokens(const QString& clipboard) {
    if (lineEdit()->isReadOnly()) return;
    const std::string tokens = findtokens::encodePasted(clipboard.toStdString());
    lineEdit()->insert(QString::fromStdString(tokens));
    // A paste is the user's edit: Esc and Undo go back to the entry text.
    noteUserEdit();
    emit edited();
}

bool SearchTokenCombo::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lineEdit() && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) {
        pasteTokens(QApplication::clipboard()->text());
        return true;
    }
    return ComboField::eventFilter(watched, e);
}

void SearchTokenCombo::keyPressEvent(QKeyEvent* e) {
    // Keys reach the box first and its edit only through it.
    if (!view()->isVisible() && e->matches(QKeySequence::Paste)) {
        pasteTokens(QApplication::clipboard()->text());
        e->accept();
        return;
    }
    ComboField::keyPressEvent(e);
}

void SearchTokenCombo::contextMenuEvent(QContextMenuEvent* e) {
    InputFieldGroup* master = InputFieldGroup::of(this);
    if (master && !master->useContextMenu) {
        ComboField::contextMenuEvent(e);
        return;
    }
    QMenu* menu = (master ? master->editMenu : FieldEditMenu()).build(this, this);
    // The menu's own Paste would put the raw text in.
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || a->data().toInt() != static_cast<int>(InputMenuItem::Paste)) continue;
        disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this, [this] { pasteTokens(QApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

}  // namespace sj
