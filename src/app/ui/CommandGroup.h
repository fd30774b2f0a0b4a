#pragma once
// A group of related commands (file commands, line operations, find and
// replace, ...). Each subsystem owns its groups; the main window only builds the
// menus from them and asks them to refresh their enabling when a menu opens.
#include <QAction>
#include <QKeySequence>
#include <QMap>
#include <QObject>
#include <QString>

#include "app/ui/MenuSet.h"

namespace sj {

class AppHost;

class CommandGroup : public QObject {
    Q_OBJECT
public:
    explicit CommandGroup(AppHost& host, QObject* parent = nullptr);
    ~CommandGroup() override = default;

    virtual void addToMenus(MenuSet& menus) = 0;
    // Called when a menu opens and when the current page changes.
    virtual void updateEnabled() {}

protected:
    // An action with the program's caption, shortcut and status-bar hint
    // (hints are written "|text" in the tables; the bar shows the text).
    QAction* action(const QString& caption, const QKeySequence& shortcut, const QString& hint);
    AppHost& m_host;
};

}  // namespace sj
