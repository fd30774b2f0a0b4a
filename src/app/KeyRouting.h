#pragma once
// Which widget a contested key belongs to: the widget that has the keyboard
// focus, or the main window's command bound to the same key. The editor, the
// Clipbook's item list and the text fields all sit under one window whose
// menus bind Ctrl+C, Ctrl+V, Ctrl+X and more; this is the one place that says
// who wins.
namespace sj {

class KeyRouting {
public:
    // What kind of widget holds the focus.
    enum class Focus { Editor, ClipList, TextField, Other };
    // The keys the rule speaks of; every other key is Key::Other.
    enum class Key { A, C, V, X, Z, Delete, Insert, Enter, Escape, Function, Other };
    struct Press {
        Key key = Key::Other;
        bool ctrl = false;
        bool shift = false;
        bool alt = false;
    };
    enum class Owner {
        FocusedWidget,  // the widget gets the key, the window's command does not run
        WindowCommand,  // the window's command runs, the widget does not see the key
        Unclaimed,      // nobody insists: the toolkit's usual order decides
    };

    // boundToWindowCommand: a command of the main window has this key.
    static Owner owner(Focus focus, const Press& press, bool boundToWindowCommand);
};

}  // namespace sj
