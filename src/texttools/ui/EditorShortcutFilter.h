#pragma once
// The editor component claims every key of its own key map (Ctrl+U, Ctrl+L, Ctrl+Y, ...)
// before the window's shortcuts are looked at. This filter hands the keys that a window
// command is bound to back to the window, on every page that becomes current.
#include <QObject>

namespace sj {

class AppHost;

class EditorShortcutFilter : public QObject {
    Q_OBJECT
public:
    explicit EditorShortcutFilter(AppHost& host, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    AppHost& m_host;
};

}  // namespace sj
