#include "widgets/ui/TrayIcon.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "widgets/ui/PlacementWindow.h"

namespace sj {
namespace {

std::optional<bool> g_availableForTests;

}  // namespace

TrayIcon::TrayIcon(PlacementWindow& owner, const QString& tip, const QIcon& icon, QObject* parent)
    : QObject(parent ? parent : owner.formWidget()), m_owner(owner), m_window(owner.formWidget()) {
    m_icon = new QSystemTrayIcon(icon, this);
    if (!tip.isEmpty()) m_icon->setToolTip(tip);
    m_menu = new QMenu(m_window);
    connect(m_menu->addAction(QStringLiteral("&Show")), &QAction::triggered, this,
            &TrayIcon::restoreFromTray);
    connect(m_menu->addAction(QStringLiteral("&Close Editor")), &QAction::triggered, m_window,
            &QWidget::close);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why != QSystemTrayIcon::Trigger && why != QSystemTrayIcon::DoubleClick) return;
        if (hidden()) {
            restoreFromTray();
        } else {
            m_window->raise();
            m_window->activateWindow();
        }
    });
    m_window->installEventFilter(this);
}

TrayIcon::~TrayIcon() {
    if (m_window) m_window->removeEventFilter(this);
}

bool TrayIcon::trayAvailable() {
    if (g_availableForTests) return *g_availableForTests;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setTrayAvailableForTests(std::optional<bool> available) {
    g_availableForTests = available;
}

void TrayIcon::setEnabled(bool on) {
    m_enabled = on;
    m_owner.LivesInTray = active();
    setShown(on);
}

void TrayIcon::setShown(bool on) {
    m_shown = on;
    updateIcon();
}

bool TrayIcon::shown() const {
    return m_icon->isVisible();
}

void TrayIcon::updateIcon() {
    // Also while the window is hidden into the tray: the icon is the way back.
    const bool want = trayAvailable() && (m_shown || m_owner.hiddenByUser());
    if (want != m_icon->isVisible()) m_icon->setVisible(want);
}

bool TrayIcon::hidden() const {
    return m_owner.hiddenByUser() && !m_window->isVisible();
}

void TrayIcon::sync() {
    if (m_flag && *m_flag != m_enabled) setEnabled(*m_flag);
}

std::vector<QWidget*> TrayIcon::visibleToolWindows(const QWidget* main) {
    std::vector<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == main || !w->isVisible()) continue;
        const Qt::WindowType type = w->windowType();
        const auto* dialog = qobject_cast<QDialog*>(w);
        if (type == Qt::Tool || (type == Qt::Dialog && dialog && !dialog->isModal())) out.push_back(w);
    }
    return out;
}

bool TrayIcon::hideToTray() {
    if (!trayAvailable() || m_hiding) return false;
    m_hiding = true;
    m_toolWindows.clear();
    for (QWidget* w : visibleToolWindows(m_window)) {
        m_toolWindows.emplace_back(w);
        w->hide();
    }
    m_owner.setHiddenByUser(true);
    updateIcon();
    m_window->hide();
    m_hiding = false;
    return true;
}

void TrayIcon::restoreFromTray() {
    // The window was minimised on its way into the tray; it comes back as it was before.
    Qt::WindowStates s = m_window->windowState() & ~Qt::WindowMinimized;
    m_window->setWindowState(s);
    m_window->show();
    m_owner.setHiddenByUser(false);
    for (const QPointer<QWidget>& w : m_toolWindows)
        if (w) w->show();
    m_toolWindows.clear();
    m_window->raise();
    m_window->activateWindow();
    updateIcon();
    if (onRestored) onRestored();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* e) {
    // The window's form part goes first when the window is destroyed.
    if (watched == m_window && StayOnTopWindow::isLive(&m_owner)) {
        if (e->type() == QEvent::ActivationChange) sync();
        if (e->type() == QEvent::WindowStateChange) {
            sync();
            if (active() && m_window->isMinimized() && !m_hiding)
                // After the state change has settled; hiding inside it confuses some window managers.
                QTimer::singleShot(0, this, [this] {
                    if (m_window->isMinimized()) hideToTray();
                });
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace sj
