// The main window's Clipbook commands on a real window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "clipbook/ClipTestDir.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"

namespace sj {
namespace {

TEST(NewTemplateTest, NameOpenInAnotherCaseIsPassedOver) {
    test::ClipTestDir config;
    // The commands look for the user's libraries: keep them away from the real ones.
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    Options options;
    MainWindow window(options);
    auto* commands = new ClipbookCommands(window, &window);
    window.addCommandGroup(commands);
    DocumentSet& docs = window.documents();
    docs.newPage(config.file("clip1.clb"));

    commands->newLibrary();
    ASSERT_NE(docs.current(), nullptr);
    EXPECT_EQ(fileutils::fileNameOf(docs.current()->title()), "Clip2.clb");
    EXPECT_TRUE(docs.current()->clipLibrary());
}

}  // namespace
}  // namespace sj
