#pragma once
// The window commands of the View menu beside "Sta&y-On-Top": hiding the main
// window into the notification area and saving its placement now. The group
// also keeps the notification-area icon, which follows MinimizeToTray.
#include "app/ui/CommandGroup.h"

namespace sj {

class MainWindow;
class TrayIcon;

class WindowCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit WindowCommands(MainWindow& window);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    TrayIcon* tray() const { return m_tray; }

private:
    void hideMainWindow();
    void saveWindowState();

    MainWindow& m_window;
    TrayIcon* m_tray;
    QAction *m_hide, *m_saveState;
};

}  // namespace sj
