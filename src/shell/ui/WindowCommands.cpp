#include "shell/ui/WindowCommands.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>

#include "shell/Options.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/SysTrayObj.h"

namespace sj {

WindowCommands::WindowCommands(TQVA_FrmNotepad& window) : CommandGroup(window), m_window(window) {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = window.style()->standardIcon(QStyle::SP_FileIcon);
    m_tray = new TSysTrayObj(window, QStringLiteral("Super Jotleaf"), icon, &window);
    m_tray->followFlag(&window.options().minimizeToTray);
    m_tray->setEnabled(window.options().minimizeToTray);
    m_tray->onRestored = [this] {
        if (TFilePage* page = m_host.currentPage()) page->setFocus();
    };
    m_window.SystemMenuExtras = TProForm::StayOnTopItem | TProForm::SaveWindowStateItem;

    m_hide = action(QStringLiteral("Hide &Window"), {},
                    QStringLiteral("|Hide the window into the notification area"));
    m_saveState = action(QStringLiteral("Save &Window State"), {},
                         QStringLiteral("|Save the size and position of the window now"));
    connect(m_hide, &QAction::triggered, this, &WindowCommands::HideWindow1Click);
    connect(m_saveState, &QAction::triggered, this, &WindowCommands::SaveWindowState1Click);
}

void WindowCommands::addToMenus(MenuSet& menus) {
    QMenu* view = menus.menu(QStringLiteral("View"));
    view->addAction(m_hide);
    view->addAction(m_saveState);
}

void WindowCommands::updateEnabled() {
    // Without a notification area a hidden window could not be brought back.
    m_hide->setEnabled(TSysTrayObj::trayAvailable());
}

void WindowCommands::HideWindow1Click() {
    m_tray->hideToTray();
}

void WindowCommands::SaveWindowState1Click() {
    if (!m_window.savePlacementNow())
        m_host.showHint(QStringLiteral("The window state could not be written to the configuration file"));
}

}  // namespace sj
