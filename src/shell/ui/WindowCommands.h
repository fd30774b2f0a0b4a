#pragma once
// The window commands of the View menu beside "Sta&y-On-Top": hiding the main
// window into the notification area and saving its placement now. The group
// also keeps the notification-area icon, which follows MinimizeToTray.
#include "shell/ui/CommandGroup.h"

namespace sj {

class TQVA_FrmNotepad;
class TSysTrayObj;

class WindowCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit WindowCommands(TQVA_FrmNotepad& window);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    TSysTrayObj* tray() const { return m_tray; }

private:
    void HideWindow1Click();
    void SaveWindowState1Click();

    TQVA_FrmNotepad& m_window;
    TSysTrayObj* m_tray;
    QAction *m_hide, *m_saveState;
};

}  // namespace sj
