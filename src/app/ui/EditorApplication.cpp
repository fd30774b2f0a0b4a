#include "app/ui/EditorApplication.h"

namespace sj {

namespace {
int g_depth = 0;
}  // namespace

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    struct Level {
        Level() { ++g_depth; }
        ~Level() { --g_depth; }
    } level;
    return QApplication::notify(receiver, event);
}

int EditorApplication::eventDepth() {
    return g_depth;
}

}  // namespace sj
