#pragma once
// `StayOnTopWindow`: what every window of the program shares: staying on top, and
// stepping back from the top while a message box or file dialog is open so
// the dialog is never hidden behind it. A mix-in beside the Qt window class:
//   class SomeDialog : public QDialog, public PlacementWindow { ... PlacementWindow(this) ... };
#include <QEvent>

class QObject;
class QWidget;

namespace sj {

class StayOnTopWindow {
public:
    explicit StayOnTopWindow(QWidget* self, bool mainRole = false);
    virtual ~StayOnTopWindow();
    StayOnTopWindow(const StayOnTopWindow&) = delete;
    StayOnTopWindow& operator=(const StayOnTopWindow&) = delete;

    QWidget* formWidget() const { return m_self; }
    bool mainRole() const { return m_mainRole; }

    virtual void setStayOnTop(bool on);
    virtual bool stayOnTop() const { return m_stayOnTop; }
    // Whether the window system is told "on top" right now.
    bool topMostNow() const;

    bool minimizeAllowed() const { return m_minimizeAllowed; }
    void setMinimizeAllowed(bool on);

    // The program became the active application again.
    virtual void applicationActivated() {}

    // Around every modal message box and file dialog: windows that stay on top
    // step back meanwhile, and are put back when the last dialog closes.
    static void suspendForDialog(bool on);
    static bool dialogSuspended();
    // Whether a form is still alive (objects watching a window outlive its form part).
    static bool isLive(const StayOnTopWindow* form);
    class DialogGuard {
    public:
        DialogGuard() { suspendForDialog(true); }
        ~DialogGuard() { suspendForDialog(false); }
        DialogGuard(const DialogGuard&) = delete;
        DialogGuard& operator=(const DialogGuard&) = delete;
    };

protected:
    // Events of the window, seen before the window's own handlers; true eats one.
    virtual bool formEvent(QEvent* e);
    void applyTopFlag();

private:
    class Watcher;
    QWidget* m_self;
    Watcher* m_watcher;
    bool m_mainRole;
    bool m_stayOnTop = false;
    bool m_minimizeAllowed = true;
    Qt::WindowStates m_lastState;
};

}  // namespace sj
