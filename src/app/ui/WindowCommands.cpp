#include "app/ui/WindowCommands.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>

#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/TrayIcon.h"

namespace sj {

WindowCommands::WindowCommands(MainWindow& window) : CommandGroup(window), m_window(window) {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = window.style()->standardIcon(QStyle::SP_FileIcon);
    m_tray = new TrayIcon(window, QStringLiteral("Super Jotleaf"), icon, &window);
    m_tray->followFlag(&window.options().minimizeToTray);
    m_tray->setEnabled(window.options().minimizeToTray);
    m_tray->onRestored = [this] {
        if (DocumentPage* page = m_host.currentPage()) page->setFocus();
    };
    m_window.SystemMenuExtras = PlacementWindow::StayOnTopItem | PlacementWindow::SaveWindowStateItem;

    m_hide = action(QStringLiteral("Hide &Window"), {},
                    QStringLiteral("|Hide the window into the notification area"));
    m_saveState = action(QStringLiteral("Save &Window State"), {},
                         QStringLiteral("|Save the size and position of the window now"));
    connect(m_hide, &QAction::triggered, this, &WindowCommands::hideMainWindow);
    connect(m_saveState, &QAction::triggered, this, &WindowCommands::saveWindowState);
}

void WindowCommands::addToMenus(MenuSet& menus) {
    QMenu* view = menus.menu(QStringLiteral("View"));
    view->addAction(m_hide);
    view->addAction(m_saveState);
}

void WindowCommands::updateEnabled() {
    // Without a notification area a hidden window could not be brought back.
    m_hide->setEnabled(TrayIcon::trayAvailable());
}

void WindowCommands::hideMainWindow() {
    m_tray->hideToTray();
}

void WindowCommands::saveWindowState() {
    if (!m_window.savePlacementNow())
        m_host.showHint(QStringLiteral("The window state could not be written to the configuration file"));
}

}  // namespace sj
