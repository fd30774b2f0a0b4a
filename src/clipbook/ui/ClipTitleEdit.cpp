#include "clipbook/ui/ClipTitleEdit.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "clipbook/ui/ClipContentEdit.h"

namespace sj {

void ClipTitleEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = m_content.editingMenuFor(this, false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

}  // namespace sj
