#pragma once
// The program's QApplication. It counts how deeply event delivery is nested,
// which tells whether a command is still running: a command that serves
// events while it works (a load with its progress window, a modal box, a
// launched program being waited for) delivers further events one level down.
#include <QApplication>

namespace sj {

class EditorApplication : public QApplication {
    Q_OBJECT
public:
    EditorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // 1 inside an event delivered by the main loop, more inside a running
    // command's own event loop; 0 outside any event, or without this class.
    static int eventDepth();
};

}  // namespace sj
