// Print to file, compared byte for byte: "|" stands for CR LF and "~" for the
// form-feed line between pages, so each expected file reads as its pages.
#include <gtest/gtest.h>

#include <filesystem>

#include "printing/FixedWidthMeasure.h"
#include "printing/PrintJob.h"
#include "printing/TextFileOutput.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

std::string golden(std::string_view pages) {
    std::string out;
    for (char c : pages) {
        if (c == '|')
            out += "\r\n";
        else if (c == '~')
            out += "\f\r\n";
        else
            out += c;
    }
    return out;
}

// Thirty characters a line, six lines a page (see PrintJobTest).
struct FileFixture : ::testing::Test {
    test::ScratchDir dir;
    FixedWidthMeasure font{10, 20};
    PrinterGeometry printer{400, 200, 0, 0, 200, 100, 100};
    PrintSettings settings = [] {
        PrintSettings s;
        s.lengthUnits = LengthUnits::Pixels;
        s.marginLeft = s.marginRight = 50;
        s.marginTop = s.marginBottom = 40;
        s.pageNumbers = PageNumberPosition::BottomCenter;
        s.pageHeader = PageInfo::DateTitle;
        return s;
    }();

    std::string print(std::string_view text, PrintJobResult* result = nullptr) {
        const std::string path = dir.file("out.prn");
        std::filesystem::remove(path);
        PrintJob job(settings, font, printer, "today");
        TextFileOutput out(path);
        const PrintJobResult r = job.run(text, out);
        if (result) *result = r;
        return std::filesystem::exists(path) ? test::readFile(dir.file("out.prn")) : std::string("<no file>");
    }
};

}  // namespace

TEST_F(FileFixture, TabsAndBlanksAreWrittenUnchanged) {
    EXPECT_EQ(print("a\tb\r\n\r\n  indented  \r\nlast"), golden("a\tb||  indented  |last|"));
}

TEST_F(FileFixture, LongLinesWrapAtTheMarginAndNothingIsDropped) {
    EXPECT_EQ(print("The quick brown fox jumps over the lazy dog again and again\r\n"
                    "0123456789012345678901234567890123456789ABCDEFGHIJ\r\n"),
              // "over" ends right at the margin and goes down: a blank follows it.
              golden("The quick brown fox jumps|over the lazy dog again and|again|"
                     "012345678901234567890123456789|0123456789ABCDEFGHIJ|"));
    settings.wordWrap = false;
    EXPECT_EQ(print("0123456789012345678901234567890123456789\r\n"),
              golden("0123456789012345678901234567890123456789|"));
}

TEST_F(FileFixture, FormFeedsBreakPagesAndAFormFeedOnlyPageCounts) {
    // In the middle of a line, alone on a line, and twice in a row.
    EXPECT_EQ(print("before\fafter\r\n\f\r\nnext\r\n\f\f\r\nend"), golden("before|~after|~next|~~end|"));
    // Page numbers count the empty page: the last line is on page 5, odd only prints 1, 3, 5.
    settings.printPages = PageParity::Odd;
    EXPECT_EQ(print("one\f\ftwo\fthree\ffour"), golden("one|~two|~four|"));
    settings.printPages = PageParity::Even;
    EXPECT_EQ(print("one\f\ftwo\fthree\ffour"), golden("~three|"));
}

TEST_F(FileFixture, FullPagesBreakWithoutAnExtraEmptyPage) {
    // The header leaves room for five lines.
    EXPECT_EQ(print("1\r\n2\r\n3\r\n4\r\n5\r\n"), golden("1|2|3|4|5|"));
    EXPECT_EQ(print("1\r\n2\r\n3\r\n4\r\n5\r\n6"), golden("1|2|3|4|5|~6|"));
}

TEST_F(FileFixture, OddAndEvenWithCopiesAndCollate) {
    const std::string text = "p1\fp2\fp3\fp4\fp5";
    settings.printPages = PageParity::Odd;
    settings.copies = 2;
    settings.collate = false;
    EXPECT_EQ(print(text), golden("p1|~p3|~p5|~p1|~p3|~p5|"));
    settings.collate = true;
    EXPECT_EQ(print(text), golden("p1|~p1|~p3|~p3|~p5|~p5|"));
    settings.printPages = PageParity::Even;
    settings.printRange = PrintRange::PageNumbers;
    settings.fromPage = 2;
    settings.toPage = 3;
    settings.copies = 3;
    settings.collate = false;
    EXPECT_EQ(print(text), golden("p2|~p2|~p2|"));
}

TEST_F(FileFixture, ASelectionEndingMidLinePrintsOnlyThatPart) {
    // The editor hands over the selected text only: "third" is cut after "thi".
    const std::string document = "first\r\nsecond\r\nthird line\r\n";
    const std::string selection = document.substr(7, 11);
    EXPECT_EQ(print(selection), golden("second|thi|"));
}

TEST_F(FileFixture, CancelLeavesAnEarlierFileUntouched) {
    const std::string path = dir.write("out.prn", "earlier print");
    std::string text;
    for (int i = 0; i < 6000; ++i) text += "a line of the long document\r\n";  // 1,000 pages
    PrintJob job(settings, font, printer, "");
    int lines = 0;
    job.onProgress = [&](std::int64_t, std::int64_t) { return ++lines < 3000; };
    TextFileOutput out(path);
    const PrintJobResult r = job.run(text, out);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(test::readFile(dir.file("out.prn")), "earlier print");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(FileFixture, AnUnwritableTargetIsReportedAndNothingIsLeft) {
    PrintJob job(settings, font, printer, "");
    TextFileOutput out(dir.file("missing-dir/out.prn"));
    const PrintJobResult r = job.run("text", out);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Error: unable to write the print file \""), std::string::npos) << r.error;
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing-dir")));
}

TEST(TextFileOutput, BareNamesGoToTheDataDirectory) {
    EXPECT_EQ(TextFileOutput::resolvePath("", "/data"), "/data/Print.txt");
    EXPECT_EQ(TextFileOutput::resolvePath("notes.prn", "/data"), "/data/notes.prn");
    EXPECT_EQ(TextFileOutput::resolvePath("/tmp/notes.prn", "/data"), "/tmp/notes.prn");
}

}  // namespace sj
