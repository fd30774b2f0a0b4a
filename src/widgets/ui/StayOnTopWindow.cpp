#include "widgets/ui/StayOnTopWindow.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "widgets/ui/MessageBoxes.h"

namespace sj {

class StayOnTopWindow::Watcher : public QObject {
public:
    Watcher(StayOnTopWindow& form) : QObject(form.m_self), m_form(form) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_form.m_self && m_form.formEvent(e)) return true;
        return QObject::eventFilter(watched, e);
    }

private:
    StayOnTopWindow& m_form;
};

namespace {

std::vector<StayOnTopWindow*>& forms() {
    static std::vector<StayOnTopWindow*> all;
    return all;
}
int g_suspendDepth = 0;

void beforeBox() {
    StayOnTopWindow::suspendForDialog(true);
}
void afterBox() {
    StayOnTopWindow::suspendForDialog(false);
}

}  // namespace

StayOnTopWindow::StayOnTopWindow(QWidget* self, bool mainRole) : m_self(self), m_mainRole(mainRole) {
    m_watcher = new Watcher(*this);
    m_self->installEventFilter(m_watcher);
    m_stayOnTop = m_self->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    m_lastState = m_self->windowState();
    forms().push_back(this);
    msg::setModalHooks(&beforeBox, &afterBox);
}

StayOnTopWindow::~StayOnTopWindow() {
    auto& all = forms();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    // The watcher is a child of the window and goes with it; it must not call
    // back into this half-destroyed form meanwhile.
    m_self->removeEventFilter(m_watcher);
}

bool StayOnTopWindow::topMostNow() const {
    if (QWindow* w = m_self->windowHandle()) return w->flags().testFlag(Qt::WindowStaysOnTopHint);
    return m_self->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void StayOnTopWindow::applyTopFlag() {
    const bool on = m_stayOnTop && g_suspendDepth == 0;
    if (topMostNow() == on && m_self->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    if (QWindow* w = m_self->windowHandle()) {
        // Told to the window system directly, so the window is not hidden and
        // shown again as a change of the widget's flags would do.
        Qt::WindowFlags flags = m_self->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, on);
        m_self->overrideWindowFlags(flags);
        w->setFlags(flags);
    } else {
        m_self->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}

void StayOnTopWindow::setStayOnTop(bool on) {
    m_stayOnTop = on;
    applyTopFlag();
    if (on && m_self->isVisible() && g_suspendDepth == 0) m_self->raise();
}

void StayOnTopWindow::setMinimizeAllowed(bool on) {
    m_minimizeAllowed = on;
    if (!m_self->windowHandle()) m_self->setWindowFlag(Qt::WindowMinimizeButtonHint, on);
}

void StayOnTopWindow::suspendForDialog(bool on) {
    g_suspendDepth = std::max(0, g_suspendDepth + (on ? 1 : -1));
    if (on ? g_suspendDepth != 1 : g_suspendDepth != 0) return;
    for (StayOnTopWindow* f : forms())
        if (f->m_stayOnTop) f->applyTopFlag();
}

bool StayOnTopWindow::dialogSuspended() {
    return g_suspendDepth > 0;
}

bool StayOnTopWindow::formEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::Show:
            // Shown again after being hidden: the window system forgot the z-order.
            if (m_stayOnTop) applyTopFlag();
            break;
        case QEvent::WindowStateChange: {
            const Qt::WindowStates was = m_lastState;
            m_lastState = m_self->windowState();
            if (!m_minimizeAllowed && m_lastState.testFlag(Qt::WindowMinimized)) {
                QTimer::singleShot(0, m_self,
                                   [this, was] { m_self->setWindowState(was & ~Qt::WindowMinimized); });
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace sj

namespace sj {

bool StayOnTopWindow::isLive(const StayOnTopWindow* form) {
    const auto& all = forms();
    return std::find(all.begin(), all.end(), form) != all.end();
}

}  // namespace sj
