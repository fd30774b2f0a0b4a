// Opening a file and saving it unedited writes back its own bytes.
#include <gtest/gtest.h>

#include <random>

#include "document/DocumentLoader.h"
#include "document/DocumentSaver.h"
#include "support/ScratchDir.h"

using namespace sj;
using sj::test::readFile;
using sj::test::ScratchDir;

namespace {

// Loads bytes from a file, saves the text back with the options the load
// calls for, and returns what the file then holds.
std::string loadAndSave(const std::string& bytes, LoadResult* out = nullptr, std::size_t chunk = 1 << 20) {
    ScratchDir dir;
    const std::string path = dir.write("f.txt", bytes);
    LoadOptions lo;
    lo.chunkSize = chunk;
    LoadResult r = DocumentLoader::load(path, lo);
    EXPECT_TRUE(r.ok);
    SaveOptions so = r.writeBack();
    so.sync = false;
    EXPECT_TRUE(DocumentSaver::save(path, r.text, so).ok());
    if (out) *out = std::move(r);
    return readFile(path);
}

}  // namespace

TEST(ByteExact, Utf16ByItsByteOrderMark) {
    // "a", CR LF, U+00E9, U+1F600 (a surrogate pair), CR LF.
    const std::string le(
        "\xFF\xFE"
        "a\0\r\0\n\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0",
        18);
    const std::string be(
        "\xFE\xFF"
        "\0a\0\r\0\n\0\xE9\xD8\x3D\xDE\x00\0\r\0\n",
        18);
    for (const auto& [bytes, charset] : {std::pair{le, TextCharset::Utf16Le}, {be, TextCharset::Utf16Be}}) {
        for (std::size_t chunk : {1u, 3u, 4096u}) {
            LoadResult r;
            EXPECT_EQ(loadAndSave(bytes, &r, chunk), bytes);
            EXPECT_EQ(r.charset, charset);
            EXPECT_TRUE(r.bom);
            EXPECT_FALSE(r.binary);
            EXPECT_EQ(r.text, "a\r\n\xC3\xA9\xF0\x9F\x98\x80\r\n");
            EXPECT_EQ(r.lineFormat, 0);
        }
    }
    // Breaks of both kinds: the load says a save makes them all LF.
    LoadResult mixed;
    EXPECT_EQ(loadAndSave(std::string("\xFF\xFE"
                                      "a\0\n\0b\0\r\0\n\0c\0\n\0",
                                      16),
                          &mixed),
              std::string("\xFF\xFE"
                          "a\0\n\0b\0\n\0c\0\n\0",
                          14));
    EXPECT_TRUE(mixed.breaksRewritten);
    EXPECT_EQ(mixed.lineFormat, 1);
    // LF only, written back LF only.
    const std::string unix(
        "\xFF\xFE"
        "x\0\n\0y\0\n\0",
        10);
    EXPECT_EQ(loadAndSave(unix), unix);
    // A BOM and then no UTF-16 (odd length): kept byte for byte as binary.
    const std::string odd(
        "\xFF\xFE"
        "a\0\n",
        5);
    LoadResult r;
    EXPECT_EQ(loadAndSave(odd, &r), odd);
    EXPECT_TRUE(r.binary);
    // A lone surrogate is no UTF-16 either.
    const std::string lone(
        "\xFF\xFE\x3D\xD8"
        "a\0",
        6);
    EXPECT_EQ(loadAndSave(lone, &r), lone);
    EXPECT_TRUE(r.binary);
}

TEST(ByteExact, StrayBytesInUtf8AreCarriedThrough) {
    // "café" in UTF-8 and one lone 0xE9 byte (a Windows-1252 "é").
    const std::string bytes = "caf\xC3\xA9 na\xE9ve\n";
    LoadResult r;
    EXPECT_EQ(loadAndSave(bytes, &r), bytes);
    EXPECT_EQ(r.charset, TextCharset::Utf8);
    EXPECT_EQ(r.invalidBytes, 1u);
    EXPECT_EQ(r.text, "caf\xC3\xA9 na\xEF\x9F\xA9ve\r\n");  // U+F7E9 stands for 0xE9
    EXPECT_EQ(
        DocumentLoader::invalidBytesNotice("/d/f.txt", 1),
        "\"/d/f.txt\" has 1 byte that is not UTF-8.\nThey are shown as placeholder characters and saved "
        "back as they were.");
    // With a BOM and every stray byte value.
    std::string all = "\xEF\xBB\xBF";
    for (int b = 0x80; b < 0x100; ++b) all += "\xE2\x82\xAC\xC3\xA9" + std::string(1, static_cast<char>(b));
    all += "\r\n";
    EXPECT_EQ(loadAndSave(all, &r), all);
    EXPECT_EQ(r.charset, TextCharset::Utf8);
    EXPECT_TRUE(r.bom);
    EXPECT_GT(r.invalidBytes, 0u);

    // No well-formed multi-byte sequence: Windows-1252.
    EXPECT_EQ(loadAndSave("na\xEFve\r\n", &r), "na\xEFve\r\n");
    EXPECT_EQ(r.charset, TextCharset::Windows1252);
    // More stray bytes than characters: Windows-1252.
    EXPECT_EQ(loadAndSave("\xC3\xA9 \xE9\xE8\xE0\r\n", &r), "\xC3\xA9 \xE9\xE8\xE0\r\n");
    EXPECT_EQ(r.charset, TextCharset::Windows1252);
    EXPECT_EQ(r.text, "\xC3\x83\xC2\xA9 \xC3\xA9\xC3\xA8\xC3\xA0\r\n");
    // The file already holds a character of the escape range: Windows-1252,
    // where every byte round-trips, rather than two readings of one character.
    const std::string clash = "\xEF\x9F\xA9 \xE9\r\n";
    EXPECT_EQ(loadAndSave(clash, &r), clash);
    EXPECT_EQ(r.charset, TextCharset::Windows1252);
}

TEST(ByteExact, RandomFilesComeBackUnchanged) {
    // Mixtures of ASCII, line breaks, UTF-8 characters and stray bytes: every
    // file either comes back as it was, or the load said which breaks a save
    // rewrites (and then only those differ).
    std::mt19937 rng(7);
    const char* pieces[] = {
        "a",    "Z",    " ",    "\r\n", "\n",  "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
        "\xE9", "\x80", "\xFF", "\t",   "\x1B"};
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int n = static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i) bytes += pieces[rng() % std::size(pieces)];
        LoadResult r;
        const std::string back = loadAndSave(bytes, &r);
        if (r.breaksRewritten) continue;
        // The one stated change: a last line of a CR LF file gains a break.
        const bool endsWithBreak = bytes.empty() || bytes.back() == '\n';
        const std::string expected = endsWithBreak || r.lineFormat == 1 ? bytes : bytes + "\r\n";
        EXPECT_EQ(back, expected) << "round " << round;
    }
}
