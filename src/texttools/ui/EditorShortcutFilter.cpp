#include "texttools/ui/EditorShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"

namespace sj {

EditorShortcutFilter::EditorShortcutFilter(AppHost& host, QObject* parent) : QObject(parent), m_host(host) {
    auto watch = [this](DocumentPage* page) {
        if (page) page->installEventFilter(this);
    };
    watch(host.currentPage());
    connect(&host.documents(), &DocumentSet::currentChanged, this, watch);
}

bool EditorShortcutFilter::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, e);
    auto* ke = static_cast<QKeyEvent*>(e);
    if (!(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        !(ke->key() >= Qt::Key_F1 && ke->key() <= Qt::Key_F35))
        return false;
    const QKeySequence pressed(ke->keyCombination());
    for (const QAction* a : m_host.window()->actions()) {
        if (a->shortcuts().contains(pressed)) {
            // Not claimed by the editor: the window's shortcut runs.
            e->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace sj
