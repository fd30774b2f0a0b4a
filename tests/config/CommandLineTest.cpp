#include "config/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

#include "files/FileNameHost.h"

namespace sj {
namespace {

using Kind = CommandAction::Kind;
using Outcome = ResolvedFileName::Outcome;

CommandAction open(std::string name, bool readOnly = false, bool print = false) {
    return {Kind::OpenFile, std::move(name), readOnly, print, 0};
}
CommandAction jump(int line) {
    return {Kind::Jump, {}, false, false, line};
}

TEST(CommandLineSwitches, SwitchFormsAndFileNames) {
    for (const char* s :
         {"/R", "/r", "/B", "/p", "//", "/F=work", "/f=", "/J:12", "/jL0", "/J:-3", "/INI=x.ini", "/ns",
          "/J\xC3\xA9"
          "5"})
        EXPECT_TRUE(CommandLine::isSwitch(s)) << s;
    for (const char* s :
         {"/", "/X", "/Rx", "/home/u/notes.txt", "/J5", "/J:x", "/J:", "/F", "/NSX", "-R", "R"})
        EXPECT_FALSE(CommandLine::isSwitch(s)) << s;
}

TEST(CommandLineSwitches, ActionsFollowTheSwitchesInOrder) {
    const CommandLine cl = CommandLine::parse(
        {"a.txt", "/R", "/b x/../b.txt", "/P", "c d.txt", "//", "\"quoted\".txt", "/J:0", "/J:-4", "/J.abc",
         "/F=/home/u/lists/Team.fvr", "/B", "e.txt", "/X", "/INI=cfg", "/NS"});
    const std::vector<CommandAction> expected = {
        open("a.txt"),
        open("/b x/../b.txt", true),
        open("c d.txt", true, true),
        open("\"quoted\".txt", true),
        jump(0),
        open("/J.abc", true),
        {Kind::UseFavorites, "Team", false, false, 0},
        {Kind::BrowseMode, {}, true, false, 0},
        open("e.txt", true),
        open("/X", true),
    };
    EXPECT_EQ(cl.actions, expected);
    EXPECT_FALSE(cl.noSplash);  // only as the first argument
}

TEST(CommandLineSwitches, ProgramOptions) {
    CommandLine cl = CommandLine::parse({"/NS", "--screenshot", "/tmp/shot.png", "--help", "--version", "f"});
    EXPECT_TRUE(cl.noSplash);
    EXPECT_TRUE(cl.showHelp);
    EXPECT_TRUE(cl.showVersion);
    EXPECT_EQ(cl.screenshotPath, "/tmp/shot.png");
    EXPECT_EQ(cl.actions, std::vector<CommandAction>{open("f")});
    EXPECT_TRUE(cl.error.empty());

    cl = CommandLine::parse({"--screenshot=/tmp/a.png"});
    EXPECT_EQ(cl.screenshotPath, "/tmp/a.png");
    cl = CommandLine::parse({"x", "--screenshot"});
    EXPECT_EQ(cl.error, "Missing file name after --screenshot");
    EXPECT_EQ(cl.actions.size(), 1u);

    cl = CommandLine::parse({"/J:99999999999999", "", "/j:+7"});
    EXPECT_EQ(cl.actions, (std::vector<CommandAction>{jump(2147483647), jump(7)}));
    EXPECT_NE(CommandLine::helpText().find("/INI=file"), std::string::npos);
}

class ScriptedHost : public FileNameHost {
public:
    std::string currentDirectory() const override { return "/home/u"; }
    bool fileExists(const std::string& name) const override { return files.contains(name); }
    bool activateOpenPage(const std::string& name) override {
        if (!openPages.contains(name)) return false;
        activated.push_back(name);
        return true;
    }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::set<std::string> files;
    std::set<std::string> openPages;
    std::vector<std::string> activated;
    std::vector<std::string> questions;
    bool answer = false;
};

TEST(CommandLineFileNames, DefaultExtensionAndFullName) {
    ScriptedHost host;
    host.files = {"/home/u/notes.txt", "/home/u/README", "/home/u/a b.txt"};
    EXPECT_EQ(CommandLine::resolveFileName("notes", "txt", host),
              (ResolvedFileName{Outcome::Open, "/home/u/notes.txt"}));
    EXPECT_EQ(CommandLine::resolveFileName("README", "txt", host),
              (ResolvedFileName{Outcome::Open, "/home/u/README"}));
    EXPECT_EQ(CommandLine::resolveFileName("./sub/../a b.txt", "txt", host),
              (ResolvedFileName{Outcome::Open, "/home/u/a b.txt"}));
    EXPECT_TRUE(host.questions.empty());
}

TEST(CommandLineFileNames, MissingFilesAskBeforeCreating) {
    ScriptedHost host;
    EXPECT_EQ(CommandLine::resolveFileName("/tmp/new", "txt", host),
              (ResolvedFileName{Outcome::Skip, "/tmp/new.txt"}));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "File \"/tmp/new.txt\" does not exist! Create it?");
    host.answer = true;
    EXPECT_EQ(CommandLine::resolveFileName("/NS.log", "txt", host),
              (ResolvedFileName{Outcome::Create, "/NS.log"}));
    // Without a default extension nothing is appended.
    EXPECT_EQ(CommandLine::resolveFileName("plain", "", host),
              (ResolvedFileName{Outcome::Create, "/home/u/plain"}));
}

TEST(CommandLineFileNames, OpenPagesAndPatterns) {
    ScriptedHost host;
    host.files = {"/home/u/open.txt"};
    host.openPages = {"/home/u/open.txt"};
    EXPECT_EQ(CommandLine::resolveFileName("open.txt", "txt", host),
              (ResolvedFileName{Outcome::AlreadyOpen, "/home/u/open.txt"}));
    EXPECT_EQ(host.activated, std::vector<std::string>{"/home/u/open.txt"});
    EXPECT_EQ(CommandLine::resolveFileName("docs/*.txt", "txt", host),
              (ResolvedFileName{Outcome::Pattern, "/home/u/docs/*.txt"}));
    EXPECT_EQ(CommandLine::resolveFileName("/x/file?", "txt", host),
              (ResolvedFileName{Outcome::Pattern, "/x/file?"}));
    EXPECT_TRUE(host.questions.empty());
}

}  // namespace
}  // namespace sj
