// GoogleTest entry point for widget tests: a QApplication on the offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>

#include "app/ui/EditorApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The program's own application class, so tests see event nesting as it runs.
    sj::EditorApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
