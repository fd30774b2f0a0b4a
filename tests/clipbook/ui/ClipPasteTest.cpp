// Clips reaching a real document page: the placeholder, Expand Word, command
// clips whose values must never be split by a shell, and waits that end.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "clipbook/ClipTestDir.h"
#include "clipbook/ExpandWord.h"
#include "clipbook/ui/ClipPaster.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/ProcessLauncher.h"
#include "document/ui/DocumentPage.h"
#include "support/MessageRecorder.h"
#include "widgets/ui/InputQueryDialog.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {
namespace {

class ClipPasteTest : public ::testing::Test {
protected:
    test::MessageRecorder recorder;
    DocumentPage page{PageEnvironment{}};
    DialogPromptHost prompts;
    ProcessLauncher launcher;
    ClipPaster paster{prompts, launcher};
    test::ClipTestDir dir;
};

TEST_F(ClipPasteTest, PlaceholderWrapsTheSelectionAndLeavesItSelected) {
    page.loadText("say hello world\r\n");
    page.setSel(10, 5);  // "world"
    ASSERT_TRUE(paster.paste("<b>^&</b>", &page, true));
    EXPECT_EQ(page.textBytes(), "say hello <b>world</b>\r\n");
    // One replacement: a single undo brings the old text back.
    page.undo();
    EXPECT_EQ(page.textBytes(), "say hello world\r\n");
}

TEST_F(ClipPasteTest, CaretPlaceholderWithoutSelectionPutsTheCaretInside) {
    page.loadText("ab");
    page.setCaret(1);
    ASSERT_TRUE(paster.paste("(^&)", &page, false));
    EXPECT_EQ(page.textBytes(), "a()b");
    EXPECT_EQ(page.selStart(), 2);
    EXPECT_EQ(page.selLength(), 0);
}

TEST_F(ClipPasteTest, ReadOnlyDocumentGetsNothing) {
    page.loadText("fixed");
    page.setReadOnly(true);
    EXPECT_FALSE(paster.paste("more", &page, true));
    EXPECT_EQ(page.textBytes(), "fixed");
}

TEST_F(ClipPasteTest, ExpandWordReplacesTheWordBeforeTheCaret) {
    ClipLibrary list;
    list.loadFromText("=MultiLine\r\n\r\nH=Sig\r\nBest regards,\r\n.\r\nA. Writer\r\n");
    ASSERT_EQ(list.count(), 1u);
    page.loadText("Thanks\r\nsig\r\nPS");
    page.setCaret(11);  // right after "sig", at the end of its line
    EXPECT_EQ(paster.expandWord(page, list), ExpandOutcome::Found);
    EXPECT_EQ(page.textBytes(), "Thanks\r\n" + list.item(0).body.text() + "\r\nPS");
}

TEST_F(ClipPasteTest, ExpandWordPrefixMatchAndMisses) {
    ClipLibrary list;
    list.loadFromText("=MultiLine\r\n\r\nH=address\r\n1 Main St\r\n\r\nH=addressee\r\nMr X\r\n");
    page.loadText("to addr now");
    page.setCaret(5);  // inside "addr"
    EXPECT_EQ(paster.expandWord(page, list), ExpandOutcome::Found);
    EXPECT_EQ(page.textBytes(), "to 1 Main St now");

    page.loadText("to zzz  now");
    page.setCaret(5);
    EXPECT_EQ(paster.expandWord(page, list), ExpandOutcome::NotFound);
    EXPECT_EQ(page.selectedBytes(), "zzz");
    EXPECT_EQ(page.textBytes(), "to zzz  now");

    page.setCaret(7);  // between two blanks
    EXPECT_EQ(paster.expandWord(page, list), ExpandOutcome::NoWord);
    EXPECT_EQ(page.textBytes(), "to zzz  now");
}

TEST_F(ClipPasteTest, ExpandWordCancelledPromptLeavesTheWordDeleted) {
    ClipLibrary list;
    list.loadFromText("=MultiLine\r\n\r\nH=greet\r\nHi ^?[Name]\r\n");
    InputQueryDialog::setTestResponder([](const InputQueryDialog::Request&, QString&) { return false; });
    page.loadText("x greet y");
    page.setCaret(4);
    EXPECT_EQ(paster.expandWord(page, list), ExpandOutcome::Found);
    InputQueryDialog::setTestResponder(nullptr);
    EXPECT_EQ(page.textBytes(), "x  y");
}

// A script that writes each argument it gets on a line of its own.
std::string writeArgvScript(const test::ClipTestDir& dir, const std::string& out) {
    const std::string script = dir.file("argv.sh");
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << out << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

TEST_F(ClipPasteTest, FileNameFullOfShellCharactersArrivesAsOneArgument) {
    const std::string out = dir.file("out.txt");
    const std::string script = writeArgvScript(dir, out);
    const std::string nasty = dir.file("a b;$(touch pwned) `id` 'q\" &|*.txt");
    std::ofstream(nasty) << "x";
    page.loadText("x");
    page.setFileName(nasty);
    ASSERT_TRUE(paster.paste("^!" + script + " ^**\r\n^!WAIT", &page, true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dir.exists("out.txt"); }, 5000));
    EXPECT_EQ(dir.read("out.txt"), nasty + "\n");
    EXPECT_FALSE(dir.exists("pwned"));
    EXPECT_TRUE(test::MessageRecorder::messages().isEmpty())
        << test::MessageRecorder::messages().join('\n').toStdString();
}

TEST_F(ClipPasteTest, WaitAfterAProgramThatCannotStartReturnsAtOnce) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(paster.paste("^!" + dir.file("no-such-program") + "\r\n^!WAIT", &page, true));
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_EQ(test::MessageRecorder::messages().size(), 1);
    EXPECT_TRUE(test::MessageRecorder::messages()[0].startsWith(QStringLiteral("Error: could not launch")));
}

TEST_F(ClipPasteTest, WaitEndsWithTheProgramAndSwallowsInput) {
    const auto id = launcher.startProgram("/bin/sh", {"-c", "sleep 0.3"}, true);
    ASSERT_TRUE(id.has_value());
    QElapsedTimer timer;
    timer.start();
    launcher.waitForProgram(*id);
    EXPECT_GE(timer.elapsed(), 200);
    launcher.releaseProgram(*id);
    // Already ended or unknown: no wait at all.
    launcher.waitForProgram(*id);
    EXPECT_FALSE(launcher.startProgram(dir.file("missing"), {}, true).has_value());
}

}  // namespace
}  // namespace sj
