#include "clipbook/ui/ClipContentEdit.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "widgets/ui/InputFieldGroup.h"

namespace sj {

QMenu* ClipContentEdit::editingMenuFor(QWidget* field, bool wrapEnabled) const {
    InputFieldGroup* master = InputFieldGroup::of(field);
    QMenu* menu = (master ? master->editMenu : FieldEditMenu()).build(field, field);
    menu->addSeparator();
    QAction* wrap = menu->addAction(QStringLiteral("&Word Wrap"));
    wrap->setCheckable(true);
    wrap->setChecked(lineWrapMode() != QPlainTextEdit::NoWrap);
    wrap->setEnabled(wrapEnabled);
    return menu;
}

void ClipContentEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = editingMenuFor(this, true);
    QAction* wrap = menu->actions().constLast();
    connect(wrap, &QAction::toggled, this, [this](bool on) { setLineWrapMode(on ? WidgetWidth : NoWrap); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

}  // namespace sj
