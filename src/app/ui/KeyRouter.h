#pragma once
// Carries out the key routing rule for one main window: it sees each key
// before the window's shortcuts do and lets the focused widget keep the keys
// the rule gives it (docked or floating Clipbook list, editor, text fields).
#include <QObject>

#include "app/KeyRouting.h"

class QWidget;

namespace sj {

class KeyRouter : public QObject {
    Q_OBJECT
public:
    // Watches the application's key events for window and the widgets it owns.
    explicit KeyRouter(QWidget& window);
    ~KeyRouter() override;

    // Marks a widget whose kind cannot be told from its class (the Clipbook list).
    static void setFocusKind(QWidget* widget, KeyRouting::Focus focus);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool belongsToWindow(const QWidget* widget) const;
    bool boundToWindowCommand(const QKeySequence& keys) const;

    QWidget& m_window;
};

}  // namespace sj
