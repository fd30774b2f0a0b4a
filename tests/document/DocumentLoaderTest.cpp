#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>

#include "document/DocumentLoader.h"
#include "document/DocumentSaver.h"
#include "document/LineBreakNormalizer.h"
#include "document/LogStamp.h"
#include "files/FileStatus.h"
#include "support/ScratchDir.h"
#include "text/Windows1252.h"

using namespace sj;
using sj::test::ScratchDir;

TEST(LineBreakNormalizer, EveryKindOfBreakBecomesOneCrLf) {
    EXPECT_EQ(LineBreakNormalizer::normalize("a\rb\nc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(LineBreakNormalizer::normalize("\n\n\r\r\r\n"), "\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(LineBreakNormalizer::normalize("\n\r"), "\r\n\r\n");  // LF CR is two breaks
    EXPECT_EQ(LineBreakNormalizer::normalize("end\r"), "end\r\n");
    EXPECT_EQ(LineBreakNormalizer::normalize(""), "");
}

TEST(LineBreakNormalizer, CrLfSplitAcrossChunksIsOneBreak) {
    const std::string input = "ab\r\ncd\r\r\nef\n\rg\r";
    // Every possible chunk size, so each break lands on a boundary at least once.
    for (std::size_t size = 1; size <= input.size(); ++size) {
        LineBreakNormalizer n;
        std::string out;
        for (std::size_t pos = 0; pos < input.size(); pos += size)
            n.feed(std::string_view(input).substr(pos, size), out);
        n.finish(out);
        EXPECT_EQ(out, "ab\r\ncd\r\n\r\nef\r\n\r\ng\r\n") << "chunk size " << size;
    }
    // An empty chunk between CR and LF does not release the held CR.
    LineBreakNormalizer n;
    std::string out;
    n.feed("x\r", out);
    n.feed("", out);
    n.feed("\ny", out);
    n.finish(out);
    EXPECT_EQ(out, "x\r\ny");
}

TEST(FileStatus, MissingDirectoryUnreadableAndSpecialFiles) {
    ScratchDir dir;
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(FileStatus::of(dir.file("nothing.txt")), FileStatus::kMissing);
    EXPECT_EQ(FileStatus::of(dir.path()), FileStatus::kMissing);  // a directory is no file
    EXPECT_EQ(FileStatus::of(""), FileStatus::kMissing);
    EXPECT_EQ(FileStatus::of(dir.write("a.txt", "x")), FileStatus::kUsable);

    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(FileStatus::of(fifo), FileStatus::kCannotOpen);  // must not block

    const std::string secret = dir.write("secret.txt", "x");
    ::chmod(secret.c_str(), 0000);
    test::asOrdinaryUser([&] { EXPECT_EQ(FileStatus::of(secret), FileStatus::kCannotOpen); });

    EXPECT_EQ(FileStatus::message(0, "/a/b.txt"), "Error: \"/a/b.txt\" not found!");
    EXPECT_EQ(FileStatus::message(4, "/a/b.txt"), "Error: cannot open \"/a/b.txt\"!");
    EXPECT_EQ(FileStatus::message(1, "/a/b.txt"), "");
}

TEST(DocumentLoader, FailuresLeaveNoTextAndSayWhy) {
    ScratchDir dir;
    LoadResult r = DocumentLoader::load(dir.file("gone.txt"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.errors.size(), 2u);
    EXPECT_EQ(r.errors[0], "Error: \"" + dir.file("gone.txt") + "\" not found!");
    EXPECT_EQ(r.errors[1], "Error: Cannot open \"" + dir.file("gone.txt") + "\"!");

    r = DocumentLoader::load(dir.path());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);

    ::chmod(dir.path().c_str(), 0755);
    const std::string secret = dir.write("secret.txt", "hidden");
    ::chmod(secret.c_str(), 0000);
    test::asOrdinaryUser([&] {
        const LoadResult s = DocumentLoader::load(secret);
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.status, 4);
        ASSERT_EQ(s.errors.size(), 2u);
        EXPECT_EQ(s.errors[0], "Error: cannot open \"" + secret + "\"!");
        EXPECT_TRUE(s.text.empty());
    });
}

TEST(DocumentLoader, MixedBreaksNormalisedAcrossChunkBoundaries) {
    ScratchDir dir;
    std::string body;
    for (int i = 0; i < 500; ++i) body += (i % 3 == 0 ? "line\r\n" : i % 3 == 1 ? "x\n" : "yy\r");
    const std::string path = dir.write("mixed.txt", body);
    std::string expected;
    for (int i = 0; i < 500; ++i) expected += (i % 3 == 0 ? "line\r\n" : i % 3 == 1 ? "x\r\n" : "yy\r\n");
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 6u, 7u, 4096u}) {
        LoadOptions o;
        o.chunkSize = chunk;
        const LoadResult r = DocumentLoader::load(path, o);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.text, expected) << "chunk " << chunk;
        EXPECT_EQ(r.charset, TextCharset::Utf8);
        EXPECT_FALSE(r.incomplete());
    }
}

TEST(DocumentLoader, LineFormatIsTheOneMostBreaksUse) {
    ScratchDir dir;
    struct Case {
        const char* bytes;
        int format;
        bool rewritten;
    };
    const Case cases[] = {
        {"a\nb\n\nc", 1, false},
        {"a\r\nb\r\n", 0, false},
        {"l1\nl2\nl3\r\nl4\nl5\n", 1, true},  // one CR LF among LFs
        {"a\r\nb\r\nc\n", 0, true},
        {"a\nb\r\n", 0, true},     // a tie is not "most": CR LF
        {"a\rb\r\rc\r", 0, true},  // lone CRs are written as CR LF
        {"no break", -1, false},
        {"", -1, false},
    };
    for (const Case& c : cases) {
        const LoadResult r = DocumentLoader::load(dir.write("f.txt", c.bytes));
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.lineFormat, c.format) << c.bytes;
        EXPECT_EQ(r.breaksRewritten, c.rewritten) << c.bytes;
    }
    const LoadResult unix = DocumentLoader::load(dir.write("unix.txt", "a\nb\n\nc"));
    EXPECT_EQ(unix.text, "a\r\nb\r\n\r\nc");
    const LoadResult empty = DocumentLoader::load(dir.write("empty.txt", ""));
    EXPECT_EQ(empty.text, "");
    EXPECT_GT(empty.fileTime, 0);
    EXPECT_EQ(
        DocumentLoader::breaksRewrittenNotice("/a/m.txt", 1),
        "\"/a/m.txt\" has line breaks of more than one kind.\nA save writes every line break as LF (UNIX).");
}

TEST(DocumentLoader, CharacterSetDetection) {
    ScratchDir dir;
    // Valid UTF-8 stays as it is; its BOM is dropped from the text and remembered.
    LoadResult r = DocumentLoader::load(dir.write("u.txt", "\xEF\xBB\xBFgr\xC3\xBC\xC3\x9F\n"));
    EXPECT_EQ(r.charset, TextCharset::Utf8);
    EXPECT_TRUE(r.bom);
    EXPECT_EQ(r.text, "gr\xC3\xBC\xC3\x9F\r\n");

    // Invalid UTF-8 is Windows-1252; every one of the 256 byte values survives.
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n' && b != 0 && b != 8) all.push_back(static_cast<char>(b));
    r = DocumentLoader::load(dir.write("w.txt", all));
    EXPECT_EQ(r.charset, TextCharset::Windows1252);
    EXPECT_FALSE(r.bom);
    EXPECT_NE(r.text.find("\xE2\x82\xAC"), std::string::npos);  // 0x80 is the euro sign
    EXPECT_NE(r.text.find("\xC2\x81"), std::string::npos);      // undefined 0x81 -> U+0081

    // The OEM flag reads code page 850, even when the bytes happen to be UTF-8.
    LoadOptions oem;
    oem.oem = true;
    r = DocumentLoader::load(dir.write("d.txt", "\x81\xC3\xA9\r\n"), oem);
    EXPECT_EQ(r.charset, TextCharset::Cp850);
    EXPECT_EQ(r.text.substr(0, 2), "\xC3\xBC");  // 0x81 is u-umlaut in code page 850
}

TEST(DocumentLoader, SwitchingTheOemFlagReinterpretsTheFileBytes) {
    // "ü" read as Windows-1252 was the byte 0xFC; in code page 850 that byte is "³".
    TextCharset cs = TextCharset::Utf8;
    auto on = DocumentLoader::recode("gr\xC3\xBC\r\n", TextCharset::Windows1252, true, cs);
    ASSERT_TRUE(on);
    EXPECT_EQ(*on, "gr\xC2\xB3\r\n");
    EXPECT_EQ(cs, TextCharset::Cp850);
    auto off = DocumentLoader::recode(*on, TextCharset::Cp850, false, cs);
    ASSERT_TRUE(off);
    EXPECT_EQ(*off, "gr\xC3\xBC\r\n");
    EXPECT_EQ(cs, TextCharset::Windows1252);
    // A character the current set cannot hold cannot have come from the file.
    std::size_t bad = 99;
    EXPECT_FALSE(DocumentLoader::recode("a\xE2\x98\x83", TextCharset::Windows1252, true, cs, &bad));
    EXPECT_EQ(bad, 1u);
}

TEST(DocumentLoader, BackspacesInTextCountedAndShownAsMiddleDot) {
    ScratchDir dir;
    const std::string path = dir.write("bs.txt", "a\bb\b\bc\r\n");
    LoadResult r = DocumentLoader::load(path);
    EXPECT_FALSE(r.binary);
    EXPECT_EQ(r.converted, 3u);
    EXPECT_EQ(r.text,
              "a\xC2\xB7"
              "b\xC2\xB7\xC2\xB7"
              "c\r\n");
    EXPECT_EQ(DocumentLoader::binaryWarning("/x/bin.dat", 3),
              "Warning: \"/x/bin.dat\" may be a binary file!\n3 non-text characters have been converted to "
              "'\xC2\xB7' (Alt+0183)");
    LoadOptions keep;
    keep.checkBinaries = false;
    r = DocumentLoader::load(path, keep);
    EXPECT_EQ(r.converted, 0u);
    EXPECT_EQ(r.text, "a\bb\b\bc\r\n");
}

TEST(DocumentLoader, BinaryFileKeepsEveryByteAtAnyChunkSize) {
    ScratchDir dir;
    // NULs, lone LFs and CRs, a CR LF, a CR at the very end, bytes over 0x7F.
    const std::string bytes(
        "\x7F"
        "ELF\0\x01\n\r\n\rab\0\xE9\xFF\x80\b\r",
        19);
    const std::string path = dir.write("prog", bytes);
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 7u, 4096u}) {
        LoadOptions o;
        o.chunkSize = chunk;
        const LoadResult r = DocumentLoader::load(path, o);
        ASSERT_TRUE(r.ok);
        EXPECT_TRUE(r.binary) << chunk;
        EXPECT_EQ(r.converted, 0u);  // no NUL or backspace turned into a dot
        EXPECT_EQ(r.charset, TextCharset::Windows1252);
        EXPECT_EQ(cp1252::fromUtf8(r.text), bytes) << chunk;
        EXPECT_EQ(*DocumentSaver::encode(r.text, r.writeBack()), bytes) << chunk;
    }
    // Mostly control bytes, no NUL: binary too. A few in a text are not.
    EXPECT_TRUE(
        DocumentLoader::looksBinary("\x01\x02\x03\x04"
                                    "ab\x05",
                                    0));
    EXPECT_FALSE(DocumentLoader::looksBinary("text\x1B[1m bold\x0C\t\x01\r\n", 0));
    EXPECT_TRUE(DocumentLoader::looksBinary("text", 1));
    EXPECT_FALSE(DocumentLoader::looksBinary("", 0));
}

TEST(DocumentLoader, ProgressOnlyOverThresholdAndCancelKeepsTextRead) {
    ScratchDir dir;
    const std::string small = dir.write("small.txt", std::string(200000, 'a'));
    const std::string big = dir.write("big.txt", std::string(200001, 'a'));
    int calls = 0;
    LoadOptions o;
    o.chunkSize = 65536;
    o.progress = [&](std::uint64_t, std::uint64_t) {
        ++calls;
        return true;
    };
    DocumentLoader::load(small, o);
    EXPECT_EQ(calls, 0);
    const LoadResult full = DocumentLoader::load(big, o);
    EXPECT_EQ(calls, 1 + 4);  // the opening call and one per chunk
    EXPECT_EQ(full.text.size(), 200001u);

    std::uint64_t lastDone = 0;
    o.progress = [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, 200001u);
        lastDone = done;
        return done < 65536;  // cancel after the first chunk
    };
    const LoadResult part = DocumentLoader::load(big, o);
    EXPECT_TRUE(part.ok);
    EXPECT_TRUE(part.cancelled);
    EXPECT_FALSE(part.truncated);
    EXPECT_TRUE(part.incomplete());
    EXPECT_EQ(part.text.size(), 65536u);
    EXPECT_EQ(lastDone, 65536u);
}

TEST(DocumentLoader, ReadErrorTruncatesWithoutBreakingUtf8) {
    ScratchDir dir;
    // "é" straddles the point where reading fails.
    const std::string path = dir.write("t.txt", "abc\xC3\xA9xyz");
    int call = 0;
    LoadOptions o;
    o.chunkSize = 4;
    o.readFn = [&](int fd, void* buf, std::size_t n) -> ssize_t {
        if (++call == 2) {
            errno = EIO;
            return -1;
        }
        return ::read(fd, buf, n);
    };
    const LoadResult r = DocumentLoader::load(path, o);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(r.charset, TextCharset::Utf8);
    EXPECT_EQ(r.text, "abc");
    EXPECT_EQ(DocumentLoader::tooLargeMessage("/home/u/t.txt"),
              "File \"t.txt\" is too large to load completely!\nEditing will not be possible.");
}

TEST(DocumentLoader, FilesOverTwoGigabytesAreRefusedUnread) {
    ScratchDir dir;
    const std::string path = dir.file("huge.txt");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(DocumentLoader::kMaxFileSize) + 1), 0);  // sparse
    ::close(fd);
    int reads = 0;
    LoadOptions o;
    o.readFn = [&](int f, void* buf, std::size_t n) -> ssize_t {
        ++reads;
        return ::read(f, buf, n);
    };
    const LoadResult r = DocumentLoader::load(path, o);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.tooLarge);
    EXPECT_TRUE(r.text.empty());
    EXPECT_EQ(reads, 0);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0],
              "Error: \"" + path + "\" is too large to open!\nThe editor holds files of up to 2 GB.");
}

TEST(DocumentLoader, TwentyMegabyteSingleLine) {
    ScratchDir dir;
    std::string line(20 * 1024 * 1024, 'q');
    line[12345] = '\r';  // one lone CR in the middle
    const LoadResult r = DocumentLoader::load(dir.write("long.txt", line));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text.size(), line.size() + 1);
    EXPECT_EQ(r.text.compare(12345, 3, "\r\nq"), 0);
    EXPECT_EQ(r.text.find('\r', 12346), std::string::npos);
}

TEST(LogStamp, AppendsStampLineToLogDocumentsOnly) {
    std::string t = ".log\r\nfirst entry";
    EXPECT_TRUE(LogStamp::apply(t, ">> 1.2.2026 09:05"));
    EXPECT_EQ(t, ".log\r\nfirst entry\r\n\r\n>> 1.2.2026 09:05\r\n");

    t = ".LOG\r\n";  // a final break is not doubled
    EXPECT_TRUE(LogStamp::apply(t, "S"));
    EXPECT_EQ(t, ".LOG\r\n\r\nS\r\n");

    for (std::string other :
         {std::string(".LOGS\r\n"), std::string(" .LOG"), std::string("x\r\n.LOG"), std::string("")}) {
        const std::string before = other;
        EXPECT_FALSE(LogStamp::apply(other, "S"));
        EXPECT_EQ(other, before);
    }
    EXPECT_EQ(LogStamp::defaultStamp("08/12/2026", 7, 3), ">> 08/12/2026 07:03");
}

// A page decides from the first few bytes only, so those must decide the same
// as the whole text does.
TEST(LogStamp, TheFirstBytesDecideAsTheWholeTextDoes) {
    for (const std::string text : {".LOG", ".log\r\nmore", ".LOG\rx", ".LOG\nx", ".LOGS", ".LOGBOOK\r\n",
                                   ".LO", "\r\n.LOG", ".Log \r\n"}) {
        EXPECT_EQ(LogStamp::isLogDocument(std::string_view(text).substr(0, LogStamp::kDecidingBytes)),
                  LogStamp::isLogDocument(text))
            << text;
    }
    EXPECT_EQ(LogStamp::tail("x\r\n", "S"), "\r\nS\r\n");
    EXPECT_EQ(LogStamp::tail("\r", "S"), "\r\n\r\nS\r\n");
}
