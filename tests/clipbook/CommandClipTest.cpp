#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "clipbook/ClipExpander.h"
#include "clipbook/CommandClip.h"
#include "clipbook/CommandClipRunner.h"
#include "clipbook/CommandLineSplitter.h"
#include "clipbook/ExpansionFakes.h"

namespace sj {
namespace {

using Args = std::vector<std::string>;
using Kind = CommandStep::Kind;
using testing::EchoDates;
using testing::FakeDocument;
using testing::RecordingLauncher;
using testing::ScriptedPrompts;

const std::string kNastyName = "/tmp/my docs/it's \"q\" $HOME; `id` | a&b*.txt";

TEST(Splitter, QuotingRules) {
    EXPECT_EQ(CommandLineSplitter::split("prog a  b"), (Args{"prog", "a", "b"}));
    EXPECT_EQ(CommandLineSplitter::split("  \tprog\t\"a b\"  c "), (Args{"prog", "a b", "c"}));
    EXPECT_EQ(CommandLineSplitter::split("\"/opt/my tool/run\" x"), (Args{"/opt/my tool/run", "x"}));
    EXPECT_EQ(CommandLineSplitter::split("say \"\"\"hi\"\"\""), (Args{"say", "\"hi\""}));
    EXPECT_EQ(CommandLineSplitter::split("a\"\"b \"\" c"), (Args{"ab", "c"}));
    EXPECT_EQ(CommandLineSplitter::split("x \"open ended"), (Args{"x", "open ended"}));
    EXPECT_EQ(CommandLineSplitter::split("pre\"fix mid\"post"), (Args{"prefix midpost"}));
    EXPECT_EQ(CommandLineSplitter::split("a\xE3\x80\x80"
                                         "b \xC3\xA9"),
              (Args{"a", "b", "\xC3\xA9"}));
    EXPECT_TRUE(CommandLineSplitter::split("  ").empty());
    EXPECT_EQ(CommandLineSplitter::split("echo $HOME;ls|wc"), (Args{"echo", "$HOME;ls|wc"}));
}

TEST(Splitter, InsertedValueIsOneArgumentUnchanged) {
    ExpansionText line("prog ");
    line.appendValue(kNastyName);
    line.appendCode(" --file=");
    line.appendValue("a b\"c");
    line.appendCode(" \"x ");
    line.appendValue("\" y \"");
    line.appendCode(" z\"");
    EXPECT_EQ(CommandLineSplitter::split(line), (Args{"prog", kNastyName, "--file=a b\"c", "x \" y \" z"}));

    ExpansionText empty("prog ");
    empty.appendValue("");
    empty.appendCode(" last");
    EXPECT_EQ(CommandLineSplitter::split(empty), (Args{"prog", "last"}));
}

TEST(CommandLines, KindsAndSkippedLines) {
    ExpansionText clip(
        "^!PROMPT\r\n^!wait\r\n^!Url:http://x/?a=1\r\n^!URL:\r\nnot a command\r\n"
        "^!prog a\n^!\r^!prompt now\r\n ^!indented");
    std::vector<CommandStep> steps = CommandClip::parse(clip);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].kind, Kind::Prompt);
    EXPECT_EQ(steps[1].kind, Kind::Wait);
    EXPECT_EQ(steps[2].kind, Kind::Url);
    EXPECT_EQ(steps[2].text, "http://x/?a=1");
    EXPECT_EQ(steps[3].kind, Kind::Command);
    EXPECT_EQ(steps[3].argv, (Args{"prog", "a"}));
    EXPECT_EQ(steps[4].kind, Kind::Command);
    EXPECT_EQ(steps[4].text, "prompt now");
}

TEST(CommandLines, InsertedTextNeverMakesALineOrKeyword) {
    ExpansionText clip("^!echo ");
    clip.appendValue("a\r\n^!rm -rf ~\n^!WAIT");
    clip.appendCode("\r\n^!");
    clip.appendValue("WAIT");
    std::vector<CommandStep> steps = CommandClip::parse(clip);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].argv, (Args{"echo", "a\r\n^!rm -rf ~\n^!WAIT"}));
    EXPECT_EQ(steps[1].kind, Kind::Command);
    EXPECT_EQ(steps[1].argv, (Args{"WAIT"}));
}

struct Launching : ::testing::Test {
    ScriptedPrompts prompts;
    EchoDates dates;
    FakeDocument doc;
    RecordingLauncher launcher;

    bool launch(std::string_view body) {
        ExpansionResult r = ClipExpander(prompts, dates).expand(body, &doc, true);
        EXPECT_EQ(r.outcome, ExpansionResult::Outcome::Launch) << body;
        return CommandClipRunner::run(r.commands, launcher);
    }
};

TEST_F(Launching, DocumentNameReachesTheProgramAsOneArgument) {
    doc.name = kNastyName;
    EXPECT_TRUE(launch("^!notepad.exe ^&"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], (Args{"notepad.exe", kNastyName}));

    launcher.started.clear();
    EXPECT_TRUE(launch("^!conv \"^*.out\" ^**"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0],
              (Args{"conv", "/tmp/my docs/it's \"q\" $HOME; `id` | a&b*.out", kNastyName}));
}

TEST_F(Launching, PromptAnswerReachesTheProgramAsOneArgument) {
    prompts.answer("x\" ; rm -rf ~ ; \"");
    EXPECT_TRUE(launch("^!grep ^?[Pattern] notes.txt"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], (Args{"grep", "x\" ; rm -rf ~ ; \"", "notes.txt"}));
}

TEST_F(Launching, AnswerWithLineBreaksCannotAddCommands) {
    prompts.answer("one\r\n^!rm -rf ~");
    EXPECT_TRUE(launch("^!echo ^?[T]"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], (Args{"echo", "one\r\n^!rm -rf ~"}));
}

TEST_F(Launching, CaretAmpersandInACommandClipIsTheFileNameEvenInAPrompt) {
    doc.selection = "selected";
    prompts.answer("answer");
    EXPECT_TRUE(launch("^!echo ^?[T=^&]"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].defaultText, "/home/ann/docs/letter.txt");
}

TEST_F(Launching, PromptUrlAndDocuments) {
    launcher.documents = {"/home/ann/docs/letter.txt"};
    EXPECT_TRUE(launch("^!PROMPT\r\n^!URL:https://example.org/\r\n^!^**\r\n^!WAIT"));
    EXPECT_EQ(launcher.log, (Args{"info Press any key to continue launch operation...",
                                  "url https://example.org/", "open /home/ann/docs/letter.txt"}));
}

TEST_F(Launching, WaitRefersToTheLastStartedProgram) {
    EXPECT_TRUE(launch("^!WAIT\r\n^!a\r\n^!b\r\n^!URL:u\r\n^!WAIT\r\n^!WAIT\r\n^!c"));
    EXPECT_EQ(launcher.log,
              (Args{"start a #1", "start b keep#2", "url u", "wait #2", "release #2", "start c #3"}));
}

TEST_F(Launching, HeldProcessReleasedByNextCommandOrAtTheEnd) {
    launcher.documents = {"doc.txt"};
    EXPECT_TRUE(launch("^!a\r\n^!WAIT\r\n^!b\r\n^!doc.txt\r\n^!WAIT"));
    EXPECT_EQ(launcher.log, (Args{"start a keep#1", "wait #1", "release #1", "start b #2", "open doc.txt"}));

    RecordingLauncher fresh;
    std::vector<CommandStep> steps{{Kind::Command, "a", {"a"}}, {Kind::Prompt, "", {}}, {Kind::Wait, "", {}}};
    EXPECT_TRUE(CommandClipRunner::run(steps, fresh));
    EXPECT_EQ(fresh.log, (Args{"start a keep#1", "info " + std::string(CommandClipRunner::kPromptMessage),
                               "wait #1", "release #1"}));
}

TEST_F(Launching, FailureShowsTheErrorAndStopsWithoutWaiting) {
    launcher.failingPrograms = {"missing"};
    EXPECT_FALSE(launch("^!URL:before\r\n^!missing --flag\r\n^!WAIT\r\n^!after"));
    EXPECT_EQ(launcher.log, (Args{"url before", "fail missing",
                                  "error Error: could not launch \"missing --flag\"!\nApplication not found "
                                  "or incorrect command."}));

    launcher.log.clear();
    launcher.documents = {"d.txt"};
    launcher.documentOpenFails = true;
    EXPECT_FALSE(launch("^!d.txt\r\n^!after"));
    EXPECT_EQ(launcher.log.size(), 2u);
    EXPECT_EQ(launcher.log[1], "error " + CommandClipRunner::launchErrorMessage("d.txt"));

    launcher.log.clear();
    EXPECT_FALSE(launch("^!   \r\n^!after"));
    EXPECT_EQ(launcher.log, (Args{"error " + CommandClipRunner::launchErrorMessage("   ")}));
}

TEST(DocumentFiles, ExistingNonExecutableFilesAreDocuments) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("sj_clipexpand_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path file = dir / "notes with blank.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(CommandClipRunner::isDocumentFile(file.string()));
    ::chmod(file.c_str(), 0700);
    EXPECT_FALSE(CommandClipRunner::isDocumentFile(file.string()));
    EXPECT_FALSE(CommandClipRunner::isDocumentFile(dir.string()));
    EXPECT_FALSE(CommandClipRunner::isDocumentFile((dir / "missing.txt").string()));
    EXPECT_FALSE(CommandClipRunner::isDocumentFile(""));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace sj
