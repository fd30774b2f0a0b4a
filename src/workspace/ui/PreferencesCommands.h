#pragma once
// "&Preferences..." of the View menu and "Pre&ferences..." of the main window's
// shortcut menu: the program-wide preferences, applied to the running program
// as soon as the dialog closes with OK.
#include "app/ui/CommandGroup.h"

namespace sj {

struct Preferences;
class WorkspaceCommands;

class PreferencesCommands : public CommandGroup {
    Q_OBJECT
public:
    PreferencesCommands(AppHost& host, WorkspaceCommands& workspace);
    void addToMenus(MenuSet& menus) override;

    void showPreferences();
    // Gives the option set the record and makes every value take effect.
    void apply(const Preferences& preferences);

private:
    WorkspaceCommands& m_workspace;
    QAction* m_preferences;
    QAction* m_shortcutMenuPreferences;
};

}  // namespace sj
