#pragma once
// A group of related commands (file commands, line operations, find and
// replace, ...). Each subsystem owns its groups; the main window only builds the
// menus from them and asks them to refresh their enabling when a menu opens.
#include <QAction>
#include <QKeySequence>
#include <QMap>
#include <QObject>
#include <QString>

class QMenu;

namespace sj {

class AppHost;

// The main window's menus by name ("File", "Edit", "Search", "Document",
// "Convert", "Tools", "View", "Help", and the popups "Tab" and "Editor").
class MenuSet {
public:
    virtual ~MenuSet() = default;
    virtual QMenu* menu(const QString& name) = 0;
    // A submenu of a menu, created on first use.
    virtual QMenu* submenu(const QString& menuName, const QString& caption) = 0;
    // A submenu that goes below everything the groups add to that menu.
    virtual QMenu* trailingSubmenu(const QString& menuName, const QString& caption) = 0;
};

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
