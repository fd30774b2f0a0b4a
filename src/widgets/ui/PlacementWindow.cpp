#include "widgets/ui/PlacementWindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "config/IniFile.h"
#include "config/Options.h"
#include "files/FileUtils.h"

namespace sj {
namespace {

Options* g_options = nullptr;
std::string g_configFile;

FormState stateOf(const QWidget* w) {
    if (w->isMinimized()) return FormState::Minimized;
    if (w->isMaximized() || w->isFullScreen()) return FormState::Maximized;
    return FormState::Normal;
}

std::vector<FormRect> screenAreas() {
    std::vector<FormRect> out;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect r = s->availableGeometry();
        out.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    return out;
}

}  // namespace

PlacementWindow::PlacementWindow(QWidget* self, Options* options, bool mainRole)
    : DesignSizeWindow(self, mainRole), m_options(options) {}

void PlacementWindow::setProgramOptions(Options* options) {
    g_options = options;
}
void PlacementWindow::setConfigFile(const std::string& path) {
    g_configFile = path;
}

Options* PlacementWindow::placementOptions() const {
    return m_options ? m_options : g_options;
}

std::string PlacementWindow::keyPrefix() const {
    if (!KeyPrefix.empty()) return KeyPrefix;
    return formWidget()->objectName().toStdString();
}

FormRect PlacementWindow::frameRect() const {
    const QWidget* w = formWidget();
    return {w->x(), w->y(), w->width(), w->height()};
}

void PlacementWindow::rememberNormalPlacement() {
    QWidget* w = formWidget();
    if (stateOf(w) == FormState::Normal) {
        m_placement.noteGeometry(frameRect(), FormState::Normal);
        return;
    }
    // Qt keeps the client rectangle of the normal state; the position we keep
    // is that of the frame, as move() takes it.
    const QRect n = w->normalGeometry();
    if (!n.isValid()) return;
    const QPoint frameOffset = w->geometry().topLeft() - w->pos();
    m_placement.setNormal({n.x() - frameOffset.x(), n.y() - frameOffset.y(), n.width(), n.height()});
}

WindowPlacement PlacementWindow::currentPlacement(unsigned groups) {
    QWidget* w = formWidget();
    FormPlacement::Snapshot now;
    now.current = frameRect();
    now.state = stateOf(w);
    now.stayOnTop = stayOnTop();
    now.hidden = m_hiddenByUser;
    if (now.state != FormState::Normal && !m_placement.normal().valid()) rememberNormalPlacement();
    return m_placement.capture(now, groups);
}

void PlacementWindow::savePlacement() {
    Options* o = placementOptions();
    if (!o) return;
    o->placements[keyPrefix()] = currentPlacement(PlacementGroups);
}

bool PlacementWindow::savePlacementNow() {
    savePlacement();
    Options* o = placementOptions();
    if (!o || g_configFile.empty()) return false;
    if (!fileutils::directoryWritable(fileutils::directoryOf(g_configFile))) return false;
    IniFile ini(g_configFile);
    ini.load();
    const std::string key = keyPrefix();
    const WindowPlacement& p = o->placements[key];
    if (mainRole()) {
        p.write(ini, key, PlacementGroups & o->mainWindowGroups(), SectionName);
        if (o->minimizeToTray && (PlacementGroups & WindowPlacement::State)) {
            // Kept out of the groups with the tray; written as at shut-down.
            ini.writeBool(SectionName, key + "_Visible", true);
            ini.writeInteger(SectionName, key + "_WindowState",
                             p.windowState.value_or(WindowPlacement::Normal));
        }
    } else {
        p.write(ini, key, PlacementGroups, SectionName);
    }
    return ini.save();
}

void PlacementWindow::loadPlacement() {
    if (m_loaded) return;
    m_loaded = true;
    captureDesign();
    QWidget* w = formWidget();
    Options* o = placementOptions();
    const bool restore = o && o->autoSavePos;
    WindowPlacement stored;
    if (restore) {
        const auto it = o->placements.find(keyPrefix());
        if (it != o->placements.end()) stored = it->second;
    }
    FormPlacement::Design d;
    d.rect = frameRect();
    d.centred = CentredByDesign;
    d.stayOnTop = stayOnTop();
    d.state = stateOf(w);
    d.lockWidth = widthLocked();
    d.lockHeight = heightLocked();
    d.livesInTray = LivesInTray;
    const RestorePlan plan = FormPlacement::plan(stored, d, PlacementGroups);

    FormRect r = plan.rect;
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    if (least.isValid()) {
        r.width = std::max(r.width, least.width());
        r.height = std::max(r.height, least.height());
    }
    if (plan.centre) {
        QScreen* screen = w->parentWidget() ? w->parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            r.left = area.x() + (area.width() - r.width) / 2;
            r.top = area.y() + (area.height() - r.height) / 2;
        }
    } else {
        r = FormPlacement::keepOnScreen(r, screenAreas());
    }
    w->resize(r.width, r.height);
    w->move(r.left, r.top);
    m_placement.setNormal(r);
    if (plan.stayOnTop != stayOnTop()) setStayOnTop(plan.stayOnTop);
    switch (plan.state) {
        case FormState::Maximized:
            w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            break;
        case FormState::Minimized:
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
            break;
        case FormState::Normal:
            break;
    }
    m_startHidden = plan.startHidden;
}

void PlacementWindow::hideWindow() {
    m_hiddenByUser = true;
    formWidget()->hide();
}

QMenu* PlacementWindow::extrasMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    if (SystemMenuExtras & StayOnTopItem) {
        QAction* a = menu->addAction(QStringLiteral("Stay On &Top"));
        a->setCheckable(true);
        a->setChecked(stayOnTop());
        QObject::connect(a, &QAction::triggered, menu, [this](bool on) { setStayOnTop(on); });
    }
    if (SystemMenuExtras & HideWindowItem)
        QObject::connect(menu->addAction(QStringLiteral("Hide &Window")), &QAction::triggered, menu,
                         [this] { hideWindow(); });
    if (SystemMenuExtras & SaveWindowStateItem)
        QObject::connect(menu->addAction(QStringLiteral("Save &Window State")), &QAction::triggered, menu,
                         [this] { savePlacementNow(); });
    return menu;
}

bool PlacementWindow::formEvent(QEvent* e) {
    QWidget* w = formWidget();
    switch (e->type()) {
        case QEvent::Show:
            if (AutoPlacement && !m_loaded) loadPlacement();
            m_hiddenByUser = false;
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (w->isVisible() && stateOf(w) == FormState::Normal)
                m_placement.noteGeometry(frameRect(), FormState::Normal);
            break;
        case QEvent::WindowStateChange:
            // Back to normal, the geometry is still the old one; it follows in a resize.
            if (stateOf(w) != FormState::Normal) rememberNormalPlacement();
            break;
        case QEvent::Hide:
            // A form that offers "Save &Window State" saves only when asked.
            if (AutoPlacement && !mainRole() && !(SystemMenuExtras & SaveWindowStateItem) &&
                !e->spontaneous())
                savePlacement();
            break;
        case QEvent::ContextMenu:
            if (SystemMenuExtras && !mainRole()) {
                QMenu* menu = extrasMenu(w);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
                return true;
            }
            break;
        default:
            break;
    }
    return DesignSizeWindow::formEvent(e);
}

}  // namespace sj
