#include <gtest/gtest.h>

#include "PageRecorder.h"
#include "printing/FixedWidthMeasure.h"
#include "printing/PageDecoration.h"
#include "printing/PrintJob.h"

namespace sj {
namespace {

// A page of 400 x 200 pixels at 100 dpi; characters 10 wide, lines 20 high.
// With margins of 50 left and right and 40 top and bottom a page holds six
// lines of thirty characters.
struct JobFixture : ::testing::Test {
    FixedWidthMeasure font{10, 20};
    PrinterGeometry printer{400, 200, 0, 0, 200, 100, 100};
    PrintSettings settings = [] {
        PrintSettings s;
        s.lengthUnits = LengthUnits::Pixels;
        s.marginLeft = s.marginRight = 50;
        s.marginTop = s.marginBottom = 40;
        s.title = "notes.txt";
        return s;
    }();

    PageRecorder run(std::string_view text) {
        PrintJob job(settings, font, printer, "12/31/2026 23:59");
        PageRecorder out;
        job.run(text, out);
        return out;
    }
    static std::string lines(int from, int to) {
        std::string text;
        for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\r\n";
        return text;
    }
};

}  // namespace

TEST_F(JobFixture, MetricsFollowTheMarginsAndDecorations) {
    PrintJob plain(settings, font, printer, "");
    EXPECT_EQ(plain.metrics().textTop, 40);
    EXPECT_EQ(plain.metrics().textBottom, 160);
    EXPECT_EQ(plain.metrics().linesPerPage, 6);
    EXPECT_EQ(plain.metrics().printableWidth, 300);
    EXPECT_EQ(plain.metrics().numberRow, PageMetrics::kNoRow);

    settings.pageHeader = PageInfo::Title;
    settings.pageFooter = PageInfo::Date;
    settings.marginTop = settings.marginBottom = 0;
    PrintJob decorated(settings, font, printer, "today");
    EXPECT_EQ(decorated.metrics().headerRow, 10);
    EXPECT_EQ(decorated.metrics().footerRow, 200 - 36);
    EXPECT_EQ(decorated.metrics().textTop, 10 + 36);
    EXPECT_EQ(decorated.metrics().textBottom, 164 - 20);

    // Offsets of the printable area come off the margins; a bottom strip moves the header.
    const PrinterGeometry offset{380, 170, 10, 10, 230, 100, 100};
    settings.marginTop = 40;
    PrintJob shifted(settings, font, offset, "");
    EXPECT_EQ(shifted.metrics().left, 40);
    EXPECT_EQ(shifted.metrics().top, 30);
    EXPECT_EQ(shifted.metrics().headerRow, 10);
    EXPECT_EQ(shifted.metrics().footerRow, 170 - 26);
}

TEST_F(JobFixture, MarginsThatLeaveNoRoomAreRefusedWithAMessage) {
    settings.marginLeft = 200;
    settings.marginRight = 200;
    PageRecorder out;
    PrintJob job(settings, font, printer, "");
    const PrintJobResult r = job.run("text", out);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("margins"), std::string::npos);
    EXPECT_TRUE(out.log.empty());
}

TEST_F(JobFixture, OnePageDocumentGetsOnePageWithItsDecorations) {
    settings.pageHeader = PageInfo::DateTitle;
    settings.pageFooter = PageInfo::TitleDate;
    settings.pageNumbers = PageNumberPosition::TopRight;
    settings.marginTop = settings.marginBottom = 0;
    EXPECT_EQ(run("first\tsecond\r\nlast").log,
              "page 1\n"
              "  50,46 first\n"
              "  130,46 second\n"
              "  50,66 last\n"
              "  50,10 [12/31/2026 23:59] notes.txt\n"
              "  50,170 notes.txt [12/31/2026 23:59]\n"
              "  290,10 Page 1\n"
              "  rule 50-350 at 36\n"
              "  rule 50-350 at 164\n"
              "end\n");
}

TEST_F(JobFixture, PageNumbersInEachPosition) {
    settings.marginTop = settings.marginBottom = 0;
    settings.pageHeader = PageInfo::Title;
    settings.pageFooter = PageInfo::Title;
    const struct {
        PageNumberPosition where;
        const char* number;  // the page-number run of the page
        bool header, footer;
    } cases[] = {
        {PageNumberPosition::TopLeft, "50,10 Page 1", false, true},
        {PageNumberPosition::TopRight, "290,10 Page 1", true, true},
        {PageNumberPosition::TopCenter, "170,10 Page 1", false, true},
        {PageNumberPosition::BottomLeft, "50,164 Page 1", true, false},
        {PageNumberPosition::BottomRight, "290,164 Page 1", true, true},
        {PageNumberPosition::BottomCenter, "170,164 Page 1", true, false},
    };
    for (const auto& c : cases) {
        settings.pageNumbers = c.where;
        const std::string log = run("x").log;
        EXPECT_NE(log.find(std::string("  ") + c.number + "\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("50,10 notes.txt") != std::string::npos, c.header) << log;
        EXPECT_EQ(log.find("50,170 notes.txt") != std::string::npos, c.footer) << log;
    }
}

TEST(PageDecoration, NumberTextAndInfoText) {
    EXPECT_EQ(PageDecoration::numberText("", 7, PageNumberPosition::BottomCenter), "\u2014 7 \u2014");
    EXPECT_EQ(PageDecoration::numberText("", 7, PageNumberPosition::BottomLeft), "7");
    EXPECT_EQ(PageDecoration::numberText("p. %D of 100%%", 3, PageNumberPosition::TopLeft), "p. 3 of 100%");
    EXPECT_EQ(PageDecoration::numberText("%d%d%d%d%d%d%d%d", 123, PageNumberPosition::TopLeft).size(), 20u);
    EXPECT_EQ(PageDecoration::infoText(PageInfo::DateTitle, "d", "t"), "[d] t");
    EXPECT_EQ(PageDecoration::infoText(PageInfo::TitleDate, "d", "t"), "t [d]");
}

TEST_F(JobFixture, RangeAndParityChoosePagesButNumbersCountEveryPage) {
    settings.pageNumbers = PageNumberPosition::BottomLeft;
    const std::string text = lines(1, 40);  // seven pages
    settings.printRange = PrintRange::PageNumbers;
    settings.fromPage = 3;
    settings.toPage = 4;
    settings.printPages = PageParity::Odd;
    const PageRecorder odd = run(text);
    EXPECT_EQ(odd.pages, "3");
    EXPECT_NE(odd.log.find("Page 3"), std::string::npos);
    EXPECT_NE(odd.log.find("line 13"), std::string::npos);

    settings.printRange = PrintRange::AllPages;
    EXPECT_EQ(run(text).pages, "1,3,5,7");
    settings.printPages = PageParity::Even;
    EXPECT_EQ(run(text).pages, "2,4,6");
    // The range applies only when pages are chosen.
    settings.printPages = PageParity::All;
    EXPECT_EQ(run(text).pages, "1,2,3,4,5,6,7");
}

TEST_F(JobFixture, CopiesAsPassesOrRepeatedPages) {
    const std::string text = lines(1, 20);  // four pages
    settings.printRange = PrintRange::PageNumbers;
    settings.fromPage = 2;
    settings.toPage = 3;
    settings.copies = 3;
    settings.collate = false;
    const PageRecorder passes = run(text);
    EXPECT_EQ(passes.pages, "2,3,2,3,2,3");
    EXPECT_NE(passes.log.find("pass 3\n"), std::string::npos);

    settings.collate = true;
    EXPECT_EQ(run(text).pages, "2,2,2,3,3,3");

    PrintJob job(settings, font, printer, "");
    PageRecorder device;
    device.deviceCopies = true;
    job.run(text, device);
    EXPECT_EQ(device.pages, "2,3");
    EXPECT_EQ(device.log.rfind("copies 3\n", 0), 0u);
}

TEST_F(JobFixture, CancelStopsAllRemainingCopies) {
    const std::string text = lines(1, 20);
    settings.copies = 3;
    PrintJob job(settings, font, printer, "");
    int calls = 0;
    const std::int64_t length = static_cast<std::int64_t>(text.size());
    job.onProgress = [&](std::int64_t position, std::int64_t total) {
        EXPECT_EQ(total, 3 * length);
        ++calls;
        return position < length + length / 2;  // in the middle of the second copy
    };
    PageRecorder out;
    const PrintJobResult r = job.run(text, out);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(out.pages, "1,2,3,4,1");
    EXPECT_EQ(out.log.substr(out.log.size() - 10), "cancelled\n");
    EXPECT_LT(calls, 40);
}

TEST_F(JobFixture, AFailedPageStopsTheJobWithTheOutputsMessage) {
    PageRecorder out;
    out.failAtPage = 2;
    PrintJob job(settings, font, printer, "");
    const PrintJobResult r = job.run(lines(1, 20), out);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Error: the disk is full.");
    EXPECT_EQ(out.pages, "1");
}

}  // namespace sj

namespace sj {

TEST(PageDecoration, DateTextWithAndWithoutFilter) {
    DateTimeParts when;
    when.year = 2026;
    when.month = 3;
    when.day = 4;
    when.hour = 17;
    when.minute = 5;
    const LocaleNames names = LocaleNames::english();
    EXPECT_EQ(PageDecoration::dateText("", when, names), "3/4/2026 17:05");
    EXPECT_EQ(PageDecoration::dateText("yyyy-mm-dd", when, names), "2026-03-04");
}

}  // namespace sj
