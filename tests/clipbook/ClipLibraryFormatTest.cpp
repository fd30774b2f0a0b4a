#include <gtest/gtest.h>

#include <random>

#include "clipbook/ClipLibraryCodec.h"
#include "clipbook/ClipLibraryFormat.h"

namespace sj {
namespace {

ClipLibraryData parse(std::string_view text, bool sortedBefore = true, int tabBefore = 30) {
    ClipLibraryData d;
    d.sorted = sortedBefore;
    d.tabWidth = tabBefore;
    parseClipLibrary(text, d);
    return d;
}

TEST(ClipLibraryHeader, KeywordsAnyCaseAnyOrderWithTrailingWords) {
    ClipLibraryData d = parse("=multiline nosorting tabwidth=8 comment\r\n\r\nx\r\n", true, 30);
    EXPECT_TRUE(d.multiLine);
    EXPECT_FALSE(d.sorted);
    EXPECT_EQ(d.tabWidth, 8);
    EXPECT_TRUE(formatClipLibrary(d).starts_with("=MultiLine NoSorting TabWidth=8\r\n\r\nx\r\n"));

    d = parse("=TABWIDTH=12 MultiLine\r\n");
    EXPECT_TRUE(d.multiLine);
    EXPECT_TRUE(d.sorted);
    EXPECT_EQ(d.tabWidth, 12);
}

TEST(ClipLibraryHeader, TabWidthThatIsNoIntegerGivesZero) {
    EXPECT_EQ(parse("=MultiLine TabWidth=abc\r\n").tabWidth, 0);
    EXPECT_EQ(parse("=MultiLine TabWidth=12x\r\n").tabWidth, 0);
    EXPECT_EQ(parse("=MultiLine TabWidth=\r\n").tabWidth, 0);
    EXPECT_EQ(parse("=MultiLine TabWidth=99999999999999\r\n").tabWidth, 0);
    EXPECT_EQ(parse("=MultiLine\r\n", true, 7).tabWidth, 30);
}

TEST(ClipLibraryHeader, HeaderWithoutMultiLineIsSingleLineForm) {
    ClipLibraryData d = parse("=NoSorting TabWidth=30\r\n\r\na b\r\nH=x\r\n");
    EXPECT_FALSE(d.multiLine);
    EXPECT_FALSE(d.sorted);
    ASSERT_EQ(d.items.size(), 2u);
    EXPECT_EQ(d.items[1].title, "H=x");
}

TEST(ClipLibraryHeader, FourHeaderForms) {
    EXPECT_EQ(clipLibraryHeader(true, false, 30), "=MultiLine NoSorting TabWidth=30");
    EXPECT_EQ(clipLibraryHeader(true, true, 30), "=MultiLine TabWidth=30");
    EXPECT_EQ(clipLibraryHeader(false, false, 30), "=NoSorting TabWidth=30");
    EXPECT_EQ(clipLibraryHeader(false, true, 30), "=TabWidth=30");
}

TEST(ClipLibrarySingleLine, NoHeaderKeepsSortingAndTabWidthAndSkipsEmptyLines) {
    ClipLibraryData d = parse("a\r\n\r\nb", false, 12);
    EXPECT_FALSE(d.multiLine);
    EXPECT_FALSE(d.sorted);
    EXPECT_EQ(d.tabWidth, 12);
    ASSERT_EQ(d.items.size(), 2u);
    EXPECT_EQ(d.items[0], ClipItem("a", "a"));
    EXPECT_EQ(d.items[1], ClipItem("b", "b"));

    ClipLibraryData sorted = parse("a\r\n\r\nb");
    EXPECT_EQ(formatClipLibrary(sorted), "=TabWidth=30\r\n\r\na\r\nb\r\n");
}

TEST(ClipLibraryLineEnds, CrLfLoneCrAndLoneLfAllEndLines) {
    ClipLibraryData d = parse("=MultiLine\rH=t\rone\ntwo\r\n.\r\rnext\n");
    ASSERT_EQ(d.items.size(), 2u);
    EXPECT_EQ(d.items[0].title, "t");
    EXPECT_EQ(d.items[0].body.text(), "one\r\ntwo\r\n");
    EXPECT_EQ(d.items[1].title, "next");
}

TEST(ClipLibraryMultiLine, TitleLinesAndFirstBodyLineAsTitle) {
    ClipLibraryData d = parse(
        "=MultiLine TabWidth=30\r\n\r\nH=\r\nbody\r\n\r\nh=lower\r\nx\r\n\r\nPlain first\r\nsecond\r\n\r\n"
        "H=dropped\r\n\r\nH=x\r\nH=y\r\n");
    ASSERT_EQ(d.items.size(), 4u);
    EXPECT_EQ(d.items[0], ClipItem("", "body"));
    EXPECT_EQ(d.items[1], ClipItem("lower", "x"));
    EXPECT_EQ(d.items[2], ClipItem("Plain first", "Plain first\r\nsecond"));
    // Inside an item an "H=" line is ordinary text; an item ended by the end of the file counts.
    EXPECT_EQ(d.items[3], ClipItem("x", "H=y"));
}

TEST(ClipLibraryMultiLine, DotLines) {
    ClipLibraryData d = parse("=MultiLine\r\n\r\nH=t\r\n.\r\n.\r\nx\r\n.\r\n");
    ASSERT_EQ(d.items.size(), 1u);
    EXPECT_EQ(d.items[0].body.text(), "\r\n\r\n\r\nx\r\n");
    EXPECT_EQ(d.items[0].isCommand(), false);
}

TEST(ClipLibraryMultiLine, WorkedExample) {
    ClipLibraryData d;
    d.items = {ClipItem("Greeting", "Dear Sir,\r\n\r\nThank you."), ClipItem("Sig", "Sig")};
    const std::string expected =
        "=MultiLine TabWidth=30\r\n\r\nH=Greeting\r\nDear Sir,\r\n.\r\nThank you.\r\n\r\nSig\r\n\r\n";
    EXPECT_EQ(formatClipLibrary(d), expected);
    ClipLibraryData back = parse(expected);
    EXPECT_EQ(back.items, d.items);
}

TEST(ClipLibraryMultiLine, TrailingLineBreaksSurvive) {
    for (std::string body : {"a\r\n", "a\r\n\r\n", "a\r\n\r\n\r\n", "a\r\n\r\nb\r\n"}) {
        ClipLibraryData d;
        d.items = {ClipItem("t", body)};
        ClipLibraryData back = parse(formatClipLibrary(d));
        ASSERT_EQ(back.items.size(), 1u) << body;
        EXPECT_EQ(back.items[0].body.text(), body);
    }
    ClipLibraryData d;
    d.items = {ClipItem("t", "a\r\n")};
    EXPECT_EQ(formatClipLibrary(d), "=MultiLine TabWidth=30\r\n\r\nH=t\r\na\r\n.\r\n\r\n");
}

TEST(ClipLibraryMultiLine, TitlesThatWouldReadBackDifferentlyGetATitleLine) {
    ClipLibraryData d;
    d.items = {ClipItem("H=abc", "H=abc"), ClipItem("", "\r\n\r\nx"), ClipItem(".", "."),
               ClipItem("cmd", "^!URL:x"), ClipItem("two\r\nlines", "b")};
    std::string text = formatClipLibrary(d);
    ClipLibraryData back = parse(text);
    ASSERT_EQ(back.items.size(), 5u) << text;
    EXPECT_EQ(back.items[0], d.items[0]);
    EXPECT_EQ(back.items[1], d.items[1]);
    EXPECT_EQ(back.items[2], d.items[2]);
    EXPECT_TRUE(back.items[3].isCommand());
    EXPECT_EQ(back.items[4].title, "two  lines");
}

TEST(ClipLibraryMultiLine, EmptyBodyDoesNotSurviveSaving) {
    ClipLibraryData d;
    d.items = {ClipItem("gone", ""), ClipItem("kept", "k")};
    ClipLibraryData back = parse(formatClipLibrary(d));
    ASSERT_EQ(back.items.size(), 1u);
    EXPECT_EQ(back.items[0].title, "kept");
}

TEST(ClipLibrarySingleLine, ItemsThatDoNotFitAreWrittenMultiLine) {
    ClipLibraryData d;
    d.multiLine = false;
    d.items = {ClipItem("a", "a"), ClipItem("title", "body")};
    bool multi = false;
    std::string text = formatClipLibrary(d, &multi);
    EXPECT_TRUE(multi);
    EXPECT_EQ(parse(text).items, d.items);

    d.items = {ClipItem("a", "a"), ClipItem("b", "b")};
    EXPECT_EQ(formatClipLibrary(d, &multi), "=TabWidth=30\r\n\r\na\r\nb\r\n");
    EXPECT_FALSE(multi);
}

// Libraries generated from the awkward pieces of the format: read, write, read
// again must give the same items.
TEST(ClipLibraryRoundTrip, GeneratedFilesReadWriteReadGiveTheSameItems) {
    const std::vector<std::string> pieces = {"",          ".",
                                             ";",         ";;x",
                                             "H=",        "H=t",
                                             "h=T",       "word",
                                             "two words", "^!URL:https://example.org",
                                             "^&",        "=x",
                                             "  ",        "\xC3\xA9t\xC3\xA9"};
    std::mt19937 rng(1234);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    for (int round = 0; round < 400; ++round) {
        std::string file;
        if (pick(4) != 0) file = pick(2) ? "=MultiLine TabWidth=30\r\n" : "=MultiLine NoSorting\r\n";
        static const char* breaks[] = {"\r\n", "\r", "\n"};
        std::size_t lines = pick(40);
        for (std::size_t i = 0; i < lines; ++i) {
            file += pieces[pick(pieces.size())];
            file += breaks[pick(3)];
        }
        ClipLibraryData first = parse(file);
        std::string written = formatClipLibrary(first);
        ClipLibraryData second = parse(written);
        ASSERT_EQ(second.items, first.items) << "file:\n" << file << "\nwritten:\n" << written;
        EXPECT_EQ(second.sorted, first.sorted);
        EXPECT_EQ(formatClipLibrary(second), written);
    }
}

TEST(ClipLibraryCodec, Utf8AndWindows1252AreKeptAsRead) {
    DecodedLibraryText latin = decodeLibraryBytes("caf\xE9\r\n");
    EXPECT_EQ(latin.charset, ClipCharset::Windows1252);
    EXPECT_EQ(latin.text, "caf\xC3\xA9\r\n");
    EXPECT_EQ(encodeLibraryText(latin.text, latin.charset).bytes, "caf\xE9\r\n");

    DecodedLibraryText bom = decodeLibraryBytes("\xEF\xBB\xBF=MultiLine\r\n");
    EXPECT_EQ(bom.charset, ClipCharset::Utf8WithBom);
    EXPECT_EQ(bom.text, "=MultiLine\r\n");
    EXPECT_EQ(encodeLibraryText(bom.text, bom.charset).bytes, "\xEF\xBB\xBF=MultiLine\r\n");

    EncodedLibraryText euro = encodeLibraryText("\xE2\x82\xAC", ClipCharset::Windows1252);
    EXPECT_EQ(euro.bytes, "\x80");
    EncodedLibraryText snowman = encodeLibraryText("\xE2\x98\x83", ClipCharset::Windows1252);
    EXPECT_EQ(snowman.charset, ClipCharset::Utf8);
    EXPECT_EQ(snowman.bytes, "\xE2\x98\x83");
}

TEST(ClipLibraryCodec, NulEndsTheText) {
    DecodedLibraryText d = decodeLibraryBytes(std::string("a\r\nb\0c\r\n", 8));
    EXPECT_TRUE(d.stoppedAtNul);
    EXPECT_EQ(d.text, "a\r\nb");
}

}  // namespace
}  // namespace sj
