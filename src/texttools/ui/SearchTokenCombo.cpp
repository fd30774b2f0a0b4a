#include "texttools/ui/SearchTokenCombo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "texttools/FindTokens.h"

namespace sj {

SearchTokenCombo::SearchTokenCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
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
    const std::string tokens = findtokens::encodePasted(clipboard.toStdString());
    lineEdit()->insert(QString::fromStdString(tokens));
}

bool SearchTokenCombo::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lineEdit()) {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) {
            pasteTokens(QApplication::clipboard()->text());
            return true;
        }
        if (e->type() == QEvent::ContextMenu) {
            // The edit's own menu would paste the raw text.
            QMenu* menu = lineEdit()->createStandardContextMenu();
            for (QAction* a : menu->actions()) {
                if (a->objectName() != QLatin1String("edit-paste")) continue;
                QAction* own = new QAction(a->text(), menu);
                own->setEnabled(a->isEnabled());
                connect(own, &QAction::triggered, this,
                        [this] { pasteTokens(QApplication::clipboard()->text()); });
                menu->insertAction(a, own);
                menu->removeAction(a);
            }
            menu->exec(static_cast<QContextMenuEvent*>(e)->globalPos());
            delete menu;
            return true;
        }
    }
    return QComboBox::eventFilter(watched, e);
}

}  // namespace sj
