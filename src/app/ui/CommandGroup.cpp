#include "app/ui/CommandGroup.h"

#include "app/ui/AppHost.h"

namespace sj {

CommandGroup::CommandGroup(AppHost& host, QObject* parent) : QObject(parent), m_host(host) {}

QAction* CommandGroup::action(const QString& caption, const QKeySequence& shortcut, const QString& hint) {
    auto* a = new QAction(caption, this);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    QString tip = hint.startsWith(QLatin1Char('|')) ? hint.mid(1) : hint;
    a->setStatusTip(tip);
    a->setToolTip(tip);
    return a;
}

}  // namespace sj
