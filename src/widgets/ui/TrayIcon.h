#pragma once
// `TrayIcon`: the program's icon in the notification area. With the
// MinimizeToTray option, minimising the main window hides it and the open
// tool windows; a left click on the icon brings them back. Where the desktop
// has no notification area, the object does nothing and minimising stays
// ordinary.
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace sj {

class PlacementWindow;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(PlacementWindow& owner, const QString& tip, const QIcon& icon, QObject* parent = nullptr);
    ~TrayIcon() override;

    static bool trayAvailable();
    // Tests decide whether a notification area exists; nullopt asks the desktop.
    static void setTrayAvailableForTests(std::optional<bool> available);

    // The MinimizeToTray option.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }
    // Follows this flag (the option in the option set) whenever the main
    // window changes state or becomes active.
    void followFlag(const bool* flag) { m_flag = flag; }
    void setShown(bool on);
    bool shown() const;
    bool active() const { return m_enabled && trayAvailable(); }

    // Hides the main window and the visible tool windows into the tray; false
    // without a notification area (the window stays where it is).
    bool hideToTray();
    void restoreFromTray();
    bool hidden() const;

    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }
    // Runs after a restore, to give the focus to the current page.
    std::function<void()> onRestored;

    // The top-level tool windows (floating panes, modeless dialogs) now visible.
    static std::vector<QWidget*> visibleToolWindows(const QWidget* main);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void sync();
    void updateIcon();

    PlacementWindow& m_owner;
    QWidget* m_window;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    const bool* m_flag = nullptr;
    bool m_enabled = false;
    bool m_shown = false;
    bool m_hiding = false;
    std::vector<QPointer<QWidget>> m_toolWindows;
};

}  // namespace sj
