#pragma once
#include <QString>

class QMenu;

namespace sj {

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

}  // namespace sj
