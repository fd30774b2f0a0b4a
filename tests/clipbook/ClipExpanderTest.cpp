#include "clipbook/ClipExpander.h"

#include <gtest/gtest.h>

#include "clipbook/DateFilterFieldSource.h"
#include "clipbook/ExpansionFakes.h"

namespace sj {
namespace {

using Outcome = ExpansionResult::Outcome;
using testing::EchoDates;
using testing::FakeDocument;
using testing::ScriptedPrompts;

struct Expansion : ::testing::Test {
    ScriptedPrompts prompts;
    EchoDates dates;
    FakeDocument doc;

    ExpansionResult run(std::string_view body, bool interactive = true) {
        return ClipExpander(prompts, dates).expand(body, &doc, interactive);
    }
    // Text a paste inserts; fails the test when the clip did not paste.
    std::string pasted(std::string_view body, bool interactive = true) {
        ExpansionResult r = run(body, interactive);
        EXPECT_EQ(r.outcome, Outcome::Paste) << body;
        return r.edit.text;
    }
};

TEST(CommentLines, RemovedWithTheirLineEnds) {
    EXPECT_EQ(ClipExpander::removeCommentLines(";note\r\ntext"), "text");
    EXPECT_EQ(ClipExpander::removeCommentLines(";;x"), ";x");
    EXPECT_EQ(ClipExpander::removeCommentLines(";a\r\n;;b\r\nc;d\r\n; e"), ";b\r\nc;d\r\n");
    EXPECT_EQ(ClipExpander::removeCommentLines("a\r\n;\r\n\r\nb"), "a\r\n\r\nb");
    EXPECT_EQ(ClipExpander::removeCommentLines(";x\n;;y\rz"), ";y\rz");
    EXPECT_EQ(ClipExpander::removeCommentLines(""), "");
    EXPECT_EQ(ClipExpander::removeCommentLines(" ;not a comment"), " ;not a comment");
}

TEST_F(Expansion, DateFieldsCloseAtCaretBracketOrPlainBracket) {
    EXPECT_EQ(pasted("^[hh:nn^] o'clock"), "<hh:nn> o'clock");
    EXPECT_EQ(pasted("^[hh:nn] o'clock"), "<hh:nn> o'clock");
    EXPECT_EQ(pasted("[^[^]]"), "[<C>]");
    // The first "^]" after the opening wins over an earlier plain "]".
    EXPECT_EQ(pasted("^[a] and ^[b^]"), "<a] and ^[b>");
    EXPECT_EQ(pasted("^[d^] ^[m] ^[y"), "<d> <m> ^[y");
    EXPECT_EQ(pasted("no close ^[abc"), "no close ^[abc");
}

TEST_F(Expansion, DateTextIsNeverReadAsCode) {
    EXPECT_EQ(pasted("^[^?^]^&"), "<^?>");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(dates.patterns, (std::vector<std::string>{"^?"}));
}

TEST(DateFields, RealDateFilter) {
    DateTimeParts nineOFive;
    nineOFive.year = 2024;
    nineOFive.month = 3;
    nineOFive.day = 7;
    nineOFive.hour = 9;
    nineOFive.minute = 5;
    DateFilterFieldSource dates(nineOFive, LocaleNames::english());
    ScriptedPrompts prompts;
    FakeDocument doc;
    ClipExpander expander(prompts, dates);
    EXPECT_EQ(expander.expand("^[hh:nn^] o'clock", &doc, true).edit.text, "09:05 o'clock");
    EXPECT_EQ(expander.expand("^[hh:nn] o'clock", &doc, true).edit.text, "09:05 o'clock");
    EXPECT_EQ(expander.expand("^[^]", &doc, true).edit.text,
              formatDateFilter("C", nineOFive, LocaleNames::english()));
}

TEST_F(Expansion, FileNameCodes) {
    EXPECT_EQ(pasted("^* and ^**"), "/home/ann/docs/letter and /home/ann/docs/letter.txt");
    EXPECT_EQ(doc.copies, 0);
    doc.modified = true;
    // "^**" is replaced before "^*", each with a copy of its own.
    EXPECT_EQ(pasted("^* and ^**"), "/tmp/qva~2 and /tmp/qva~1.txt");
}

TEST_F(Expansion, UnsavedDocumentGetsATemporaryCopy) {
    doc.name.clear();
    EXPECT_EQ(pasted("^**"), "/tmp/qva~1.txt");
}

TEST_F(Expansion, FailedTemporaryCopyStopsThePaste) {
    doc.modified = true;
    doc.copyFails = true;
    ExpansionResult r = run("see ^**");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.error, ClipExpander::kTemporaryCopyError);
    EXPECT_TRUE(r.edit.text.empty());
}

TEST_F(Expansion, CaretAmpersandIsTheFileNameOnlyInCommandClips) {
    doc.selection = "sel";
    EXPECT_EQ(pasted("[^&]"), "[sel]");
    EXPECT_EQ(pasted("[^&] ^!", false), "[/home/ann/docs/letter.txt] ^!");
    EXPECT_EQ(pasted("^!edit ^&", false), "^!edit /home/ann/docs/letter.txt");
}

TEST(FileNames, ExtensionCutOnlyInTheFileName) {
    EXPECT_EQ(ClipExpander::withoutExtension("/x/archive.tar.gz"), "/x/archive.tar");
    EXPECT_EQ(ClipExpander::withoutExtension("/home/a.b/readme"), "/home/a.b/readme");
    EXPECT_EQ(ClipExpander::withoutExtension("/home/u/.bashrc"), "/home/u/.bashrc");
    EXPECT_EQ(ClipExpander::withoutExtension("/tmp/qva~3."), "/tmp/qva~3");
    EXPECT_EQ(ClipExpander::withoutExtension("plain"), "plain");
}

TEST_F(Expansion, FileNameIsNeverReadAsCode) {
    doc.name = "/d/a^?[x]^&^*.txt";
    doc.selection = "S";
    ExpansionResult r = run("^**|");
    EXPECT_EQ(r.edit.text, "/d/a^?[x]^&^*.txt|");
    EXPECT_FALSE(r.edit.selectInserted);
    EXPECT_EQ(r.edit.caretOffset, r.edit.text.size());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Expansion, Placeholder) {
    doc.selection = "abc";
    ExpansionResult r = run("(^&)");
    EXPECT_EQ(r.edit.text, "(abc)");
    EXPECT_TRUE(r.edit.selectInserted);

    doc.selection.clear();
    r = run("(^&)");
    EXPECT_EQ(r.edit.text, "()");
    EXPECT_FALSE(r.edit.selectInserted);
    EXPECT_EQ(r.edit.caretOffset, 1u);

    r = run("x^&y^&z");
    EXPECT_EQ(r.edit.text, "xy^&z");
    EXPECT_EQ(r.edit.caretOffset, 1u);

    r = run("plain");
    EXPECT_EQ(r.edit.text, "plain");
    EXPECT_FALSE(r.edit.selectInserted);
    EXPECT_EQ(r.edit.caretOffset, 5u);

    doc.selection = "line 1\r\nline 2";
    EXPECT_EQ(pasted("<b>^&</b>"), "<b>line 1\r\nline 2</b>");
}

TEST_F(Expansion, NoDocumentDoesNothing) {
    EXPECT_EQ(ClipExpander(prompts, dates).expand("^?[A]", nullptr, true).outcome, Outcome::Nothing);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Expansion, ReadOnlyDocumentOnlyLaunches) {
    doc.readOnly = true;
    EXPECT_EQ(run("^?[A] text").outcome, Outcome::Nothing);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(run("^!prog", false).outcome, Outcome::Nothing);
    EXPECT_EQ(run("^!prog", true).outcome, Outcome::Launch);
}

TEST_F(Expansion, InteractiveCommandClipLaunches) {
    ExpansionResult r = run("^!prog ^&\r\n^!WAIT");
    ASSERT_EQ(r.outcome, Outcome::Launch);
    ASSERT_EQ(r.commands.size(), 2u);
    EXPECT_EQ(r.commands[0].argv, (std::vector<std::string>{"prog", "/home/ann/docs/letter.txt"}));
    EXPECT_EQ(r.commands[1].kind, CommandStep::Kind::Wait);
    EXPECT_TRUE(r.edit.text.empty());
}

TEST_F(Expansion, DraggedCommandClipIsPastedAsText) {
    EXPECT_EQ(pasted("^!URL:http://example.org/", false), "^!URL:http://example.org/");
}

TEST_F(Expansion, CommentLineBeforeCommandStillLaunches) {
    EXPECT_EQ(run(";start the tool\r\n^!tool").outcome, Outcome::Launch);
}

TEST_F(Expansion, AnswerStartingLikeACommandIsPasted) {
    prompts.answer("^!rm -rf ~");
    ExpansionResult r = run("^?[What]");
    EXPECT_EQ(r.outcome, Outcome::Paste);
    EXPECT_EQ(r.edit.text, "^!rm -rf ~");
}

TEST_F(Expansion, CancelInsertsAndLaunchesNothing) {
    prompts.answer("first");
    prompts.cancel();
    ExpansionResult r = run("^?[A] ^?[B] ^?[C]");
    EXPECT_EQ(r.outcome, Outcome::Cancelled);
    EXPECT_TRUE(r.edit.text.empty());
    EXPECT_EQ(prompts.asked.size(), 2u);

    prompts.cancel();
    r = run("^!prog ^?[Argument]");
    EXPECT_EQ(r.outcome, Outcome::Cancelled);
    EXPECT_TRUE(r.commands.empty());
}

TEST_F(Expansion, StagesRunInOrder) {
    // Comments go first, so a commented field is never asked or dated; the
    // date pattern sees the file-name code untouched; the prompt sees the name.
    doc.selection = "S";
    prompts.answer("answer");
    std::string text = pasted(";^?[Hidden]\r\n^[^*^] ^?[File=^**] ^&");
    EXPECT_EQ(text, "<^*> answer S");
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].label, "File");
    EXPECT_EQ(prompts.asked[0].defaultText, "/home/ann/docs/letter.txt");
}

}  // namespace
}  // namespace sj
