#include "shell/ui/FixForm.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "shell/ui/MessageBoxes.h"

namespace sj {

class TFixForm::Watcher : public QObject {
public:
    Watcher(TFixForm& form) : QObject(form.m_self), m_form(form) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_form.m_self && m_form.formEvent(e)) return true;
        return QObject::eventFilter(watched, e);
    }

private:
    TFixForm& m_form;
};

namespace {

std::vector<TFixForm*>& forms() {
    static std::vector<TFixForm*> all;
    return all;
}
int g_suspendDepth = 0;

void beforeBox() {
    TFixForm::suspendForDialog(true);
}
void afterBox() {
    TFixForm::suspendForDialog(false);
}

}  // namespace

TFixForm::TFixForm(QWidget* self, bool mainRole) : m_self(self), m_mainRole(mainRole) {
    m_watcher = new Watcher(*this);
    m_self->installEventFilter(m_watcher);
    m_stayOnTop = m_self->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    m_lastState = m_self->windowState();
    forms().push_back(this);
    msg::setModalHooks(&beforeBox, &afterBox);
}

TFixForm::~TFixForm() {
    auto& all = forms();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    // The watcher is a child of the window and goes with it; it must not call
    // back into this half-destroyed form meanwhile.
    m_self->removeEventFilter(m_watcher);
}

bool TFixForm::topMostNow() const {
    if (QWindow* w = m_self->windowHandle()) return w->flags().testFlag(Qt::WindowStaysOnTopHint);
    return m_self->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFixForm::applyTopFlag() {
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

void TFixForm::setStayOnTop(bool on) {
    m_stayOnTop = on;
    applyTopFlag();
    if (on && m_self->isVisible() && g_suspendDepth == 0) m_self->raise();
}

void TFixForm::setMinimizeAllowed(bool on) {
    m_minimizeAllowed = on;
    if (!m_self->windowHandle()) m_self->setWindowFlag(Qt::WindowMinimizeButtonHint, on);
}

void TFixForm::suspendForDialog(bool on) {
    g_suspendDepth = std::max(0, g_suspendDepth + (on ? 1 : -1));
    if (on ? g_suspendDepth != 1 : g_suspendDepth != 0) return;
    for (TFixForm* f : forms())
        if (f->m_stayOnTop) f->applyTopFlag();
}

bool TFixForm::dialogSuspended() {
    return g_suspendDepth > 0;
}

bool TFixForm::formEvent(QEvent* e) {
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

bool TFixForm::isLive(const TFixForm* form) {
    const auto& all = forms();
    return std::find(all.begin(), all.end(), form) != all.end();
}

}  // namespace sj
