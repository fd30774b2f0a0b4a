#include "app/ui/KeyRouter.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "document/ui/DocumentPage.h"

namespace sj {

namespace {

constexpr const char* kFocusKindProperty = "sjKeyFocusKind";

KeyRouting::Focus focusOf(const QWidget* w) {
    const QVariant marked = w->property(kFocusKindProperty);
    if (marked.isValid()) return static_cast<KeyRouting::Focus>(marked.toInt());
    if (qobject_cast<const DocumentPage*>(w)) return KeyRouting::Focus::Editor;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return KeyRouting::Focus::TextField;
    return KeyRouting::Focus::Other;
}

KeyRouting::Press pressOf(const QKeyEvent& e) {
    KeyRouting::Press p;
    p.ctrl = e.modifiers() & Qt::ControlModifier;
    p.shift = e.modifiers() & Qt::ShiftModifier;
    p.alt = e.modifiers() & Qt::AltModifier;
    using Key = KeyRouting::Key;
    const int k = e.key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F35) {
        p.key = Key::Function;
        return p;
    }
    switch (k) {
        case Qt::Key_A:
            p.key = Key::A;
            break;
        case Qt::Key_C:
            p.key = Key::C;
            break;
        case Qt::Key_V:
            p.key = Key::V;
            break;
        case Qt::Key_X:
            p.key = Key::X;
            break;
        case Qt::Key_Z:
            p.key = Key::Z;
            break;
        case Qt::Key_Delete:
            p.key = Key::Delete;
            break;
        case Qt::Key_Insert:
            p.key = Key::Insert;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            p.key = Key::Enter;
            break;
        case Qt::Key_Escape:
            p.key = Key::Escape;
            break;
        default:
            p.key = Key::Other;
            break;
    }
    return p;
}

}  // namespace

KeyRouter::KeyRouter(QWidget& window) : QObject(&window), m_window(window) {
    qApp->installEventFilter(this);
}

KeyRouter::~KeyRouter() {
    qApp->removeEventFilter(this);
}

void KeyRouter::setFocusKind(QWidget* widget, KeyRouting::Focus focus) {
    widget->setProperty(kFocusKindProperty, static_cast<int>(focus));
}

bool KeyRouter::belongsToWindow(const QWidget* widget) const {
    // Parents, not windows: a floating Clipbook is a window of its own.
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == &m_window) return true;
    return false;
}

bool KeyRouter::boundToWindowCommand(const QKeySequence& keys) const {
    for (const QAction* a : m_window.actions())
        if (a->shortcuts().contains(keys)) return true;
    return false;
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* e) {
    // Shortcuts are looked up after the focused widget was offered the key as
    // a ShortcutOverride: accepting it keeps the key, ignoring it frees it.
    if (e->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!belongsToWindow(widget)) return false;
    auto* ke = static_cast<QKeyEvent*>(e);
    const KeyRouting::Focus focus = focusOf(widget);
    if (focus == KeyRouting::Focus::Other) return false;
    const bool bound =
        focus == KeyRouting::Focus::Editor && boundToWindowCommand(QKeySequence(ke->keyCombination()));
    switch (KeyRouting::owner(focus, pressOf(*ke), bound)) {
        case KeyRouting::Owner::FocusedWidget:
            e->accept();
            return true;
        case KeyRouting::Owner::WindowCommand:
            e->ignore();
            return true;
        case KeyRouting::Owner::Unclaimed:
            break;
    }
    return false;
}

}  // namespace sj
