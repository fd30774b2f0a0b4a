#include "app/KeyRouting.h"

namespace sj {

namespace {

using Key = KeyRouting::Key;
using Owner = KeyRouting::Owner;

bool plain(const KeyRouting::Press& p) {
    return !p.ctrl && !p.shift && !p.alt;
}
bool ctrlOnly(const KeyRouting::Press& p) {
    return p.ctrl && !p.shift && !p.alt;
}

// The item list's own keys: paste (Enter), close (Esc), copy (Ins, Ctrl+C),
// remove (Del), add from the clipboard (Ctrl+V), copy and remove (Ctrl+X).
bool clipListKey(const KeyRouting::Press& p) {
    switch (p.key) {
        case Key::Enter:
        case Key::Escape:
        case Key::Insert:
        case Key::Delete:
            return plain(p);
        case Key::C:
        case Key::V:
        case Key::X:
            return ctrlOnly(p);
        default:
            return false;
    }
}

// The editing keys every text field understands.
bool textFieldKey(const KeyRouting::Press& p) {
    switch (p.key) {
        case Key::A:
        case Key::C:
        case Key::V:
        case Key::X:
        case Key::Z:
            return ctrlOnly(p);
        case Key::Delete:
            return plain(p) || (p.shift && !p.ctrl && !p.alt);
        case Key::Insert:
            return (p.shift || p.ctrl) && !p.alt;
        default:
            return false;
    }
}

}  // namespace

KeyRouting::Owner KeyRouting::owner(Focus focus, const Press& press, bool boundToWindowCommand) {
    switch (focus) {
        case Focus::ClipList:
            return clipListKey(press) ? Owner::FocusedWidget : Owner::Unclaimed;
        case Focus::TextField:
            return textFieldKey(press) ? Owner::FocusedWidget : Owner::Unclaimed;
        case Focus::Editor:
            // The editor component's key map holds most Ctrl and Alt keys and the
            // function keys; where a window command has the key, the command's
            // version runs (it also keeps the status bar and menus in step).
            if (boundToWindowCommand && (press.ctrl || press.alt || press.key == Key::Function))
                return Owner::WindowCommand;
            return Owner::Unclaimed;
        case Focus::Other:
            break;
    }
    return Owner::Unclaimed;
}

}  // namespace sj
