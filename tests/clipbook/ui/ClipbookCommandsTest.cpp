// The main window's Clipbook commands on a real window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "shell/FileUtils.h"
#include "shell/Options.h"
#include "shell/ui/DocumentSet.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MainWindow.h"

namespace sj {
namespace {

TEST(NewTemplateTest, NameOpenInAnotherCaseIsPassedOver) {
    test::ClipTestDir config;
    // The commands look for the user's libraries: keep them away from the real ones.
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    Options options;
    TQVA_FrmNotepad window(options);
    auto* commands = new ClipbookCommands(window, &window, &window);
    window.addCommandGroup(commands);
    DocumentSet& docs = window.documents();
    docs.newPage(config.file("clip1.clb"));

    commands->NewTemplate1Click();
    ASSERT_NE(docs.current(), nullptr);
    EXPECT_EQ(fileutils::fileNameOf(docs.current()->title()), "Clip2.clb");
    EXPECT_TRUE(docs.current()->clipLibrary());
}

}  // namespace
}  // namespace sj
