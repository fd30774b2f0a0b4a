// One whole run of the program: start-up opens the command line's file into
// the first page, closing the window runs the shut-down steps, and a cancelled
// save question keeps the program running.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "app/ui/ApplicationSession.h"
#include "app/ui/DocumentSet.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "config/CommandLine.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

MainWindow* runningWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible()) return main;
    return nullptr;
}

TEST(ApplicationSessionTest, StartUpOpensTheFilesAndClosingWritesTheConfiguration) {
    test::ScratchDir dir;
    const std::string config = dir.file("config");
    const std::string runtime = dir.file("run");
    ::mkdir(runtime.c_str(), 0700);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string file = dir.write("a.txt", "alpha\r\n");
    const std::vector<std::string> args{"/NS", file};

    test::MessageRecorder recorder(msg::Answer::Cancel);
    ApplicationSession session(args, CommandLine::parse(args),
                               [](MainWindow& w) { w.addCommandGroup(new FileCommands(w)); });
    int closeAttempts = 0;
    bool stillOpenAfterCancel = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [] { QApplication::exit(0); });  // whatever happens below
        MainWindow* window = runningWindow();
        ASSERT_NE(window, nullptr);
        // A first run shows the read-me too; the command line's file is current.
        DocumentPage* page = window->documents().current();
        ASSERT_EQ(page->fileName(), file);
        page->replaceRange(0, 0, "edited ");
        ++closeAttempts;
        window->close();  // the save question is cancelled
        stillOpenAfterCancel = window->isVisible();
        page->setModified(false);
        ++closeAttempts;
        window->close();
    });
    EXPECT_EQ(session.run(), 0);
    EXPECT_EQ(closeAttempts, 2);
    EXPECT_TRUE(stillOpenAfterCancel);
    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_TRUE(recorder.messages().first().startsWith("Save changes to"));
    const std::string ini = test::readFile(config + "/superjotleaf/superjotleaf.INI");
    EXPECT_NE(ini.find(file), std::string::npos) << ini;  // the closed file is in the reopen list
    EXPECT_EQ(test::readFile(file), "alpha\r\n");
}

}  // namespace
}  // namespace sj
