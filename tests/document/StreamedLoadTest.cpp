// The one reading pass (breaks, UTF-8, counts) and loads that hand the text
// over chunk by chunk: whatever the chunk size, they must end with exactly
// the text, counts and verdicts a load of the whole file gives.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/DocumentLoader.h"
#include "document/DocumentSaver.h"
#include "document/LineBreakNormalizer.h"
#include "support/ScratchDir.h"
#include "text/Utf8.h"

using namespace sj;
using sj::test::readFile;
using sj::test::ScratchDir;

namespace {

// Holds what a load hands over, as the editor would.
struct RecordingSink : LoadSink {
    std::string text;
    int begun = 0, discarded = 0;
    std::uint64_t expected = 0;
    std::size_t roomLeft = SIZE_MAX;  // bytes it takes before it reports it is full

    bool begin(std::uint64_t bytes) override {
        ++begun;
        expected = bytes;
        text.clear();
        return true;
    }
    bool append(std::string_view piece) override {
        if (piece.size() > roomLeft) return false;
        roomLeft -= piece.size();
        text.append(piece);
        return true;
    }
    void discard() override {
        ++discarded;
        text.clear();
    }
};

const std::vector<std::string>& samples() {
    static const std::vector<std::string> all = {
        "",
        "plain ascii without a break",
        "a\r\nb\r\n",
        "unix\nlines\n\nend",
        "old\rmac\r\r",
        "mix\r\nof\nall\rkinds\r\n\n\r",
        "\xEF\xBB\xBFwith a byte order mark\r\n",
        "gr\xC3\xBC\xC3\x9F\xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD\n",  // 2, 3, 4 bytes, U+FFFD itself
        "back\bspace\b\n",
        "tabs\tand\x1B escapes\x0C\n",
        std::string(40, 'x') + "\xE2\x82\xAC" + std::string(40, 'y') + "\n",
        // Not UTF-8: a stray byte, an overlong form, a surrogate, past U+10FFFF,
        // a sequence cut by the end of the file, a lone continuation byte.
        "caf\xE9\n",
        "over\xC0\xAFlong",
        "sur\xED\xA0\x80rogate",
        "big\xF4\x90\x80\x80",
        "\xC3\xA9 then cut \xE2\x82",
        "\x80 alone",
        // Binary: NUL bytes, or mostly control bytes.
        std::string("nul\0inside\n", 11),
        "\x01\x02\x03\x04\x05\x06\x07\x0E\x0F\x10",
    };
    return all;
}

}  // namespace

TEST(LineBreakNormalizer, Utf8CheckedAndCountedAcrossEveryChunkBoundary) {
    for (const std::string& input : samples()) {
        const std::string whole = LineBreakNormalizer::normalize(input);
        for (std::size_t size = 1; size <= input.size(); ++size) {
            LineBreakNormalizer n;
            std::string out;
            for (std::size_t pos = 0; pos < input.size(); pos += size)
                n.feed(std::string_view(input).substr(pos, size), out);
            n.finish(out);
            ASSERT_EQ(out, whole) << input << " in chunks of " << size;
            EXPECT_EQ(n.invalidUtf8() == 0, utf8::isValid(input)) << input << " in chunks of " << size;
            EXPECT_EQ(n.characterCount(), utf8::countChars(out)) << input << " in chunks of " << size;
        }
    }
    // A stream cut inside a character drops it rather than calling it broken.
    LineBreakNormalizer cut;
    std::string out;
    cut.feed("ab\xE2\x82", out);
    cut.finish(out, true);
    EXPECT_EQ(out, "ab");
    EXPECT_EQ(cut.invalidUtf8(), 0u);
}

TEST(LineBreakNormalizer, BackspacesCountedAndMarkedOnlyWhenAsked) {
    LineBreakNormalizer kept;
    std::string out;
    kept.feed("a\bb\b", out);
    EXPECT_EQ(out, "a\bb\b");
    EXPECT_EQ(kept.backspaceCount(), 2u);

    LineBreakNormalizer marked;
    marked.setMarkBackspaces(true);
    out.clear();
    marked.feed("a\bb\n\b", out);
    marked.finish(out);
    EXPECT_EQ(out,
              "a\xC2\xB7"
              "b\r\n\xC2\xB7");
    EXPECT_EQ(marked.characterCount(), 6u);
}

TEST(StreamedLoad, EndsWithWhatAWholeLoadGivesAtEveryChunkSize) {
    ScratchDir dir;
    std::mt19937 rng(11);
    std::vector<std::string> inputs = samples();
    const char* pieces[] = {"a",  " ",  "\r\n", "\n",  "\r", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                            "\b", "\t", "\xE9", "\x80"};
    for (int round = 0; round < 60; ++round) {
        std::string bytes;
        const int n = static_cast<int>(rng() % 60);
        // Half the rounds stay well-formed, so that they are streamed.
        const std::size_t kinds = round % 2 ? std::size(pieces) : std::size(pieces) - 2;
        for (int i = 0; i < n; ++i) bytes += pieces[rng() % kinds];
        inputs.push_back(bytes);
    }
    for (const std::string& bytes : inputs) {
        const std::string path = dir.write("f.txt", bytes);
        const LoadResult whole = DocumentLoader::load(path);
        ASSERT_TRUE(whole.ok);
        ASSERT_FALSE(whole.streamed);
        for (const std::size_t chunk : {1u, 2u, 3u, 5u, 64u, 1u << 20}) {
            RecordingSink sink;
            LoadOptions o;
            o.chunkSize = chunk;
            o.sink = &sink;
            const LoadResult r = DocumentLoader::load(path, o);
            const std::string where = "\"" + bytes + "\" in chunks of " + std::to_string(chunk);
            ASSERT_TRUE(r.ok) << where;
            const bool plain = whole.charset == TextCharset::Utf8 && whole.invalidBytes == 0 && !whole.binary;
            EXPECT_EQ(r.streamed, plain) << where;
            EXPECT_EQ(r.streamed ? sink.text : r.text, whole.text) << where;
            if (!r.streamed) {
                EXPECT_TRUE(sink.text.empty()) << where;
            }
            EXPECT_LE(sink.begun, 1) << where;
            EXPECT_EQ(r.charset, whole.charset) << where;
            EXPECT_EQ(r.bom, whole.bom) << where;
            EXPECT_EQ(r.binary, whole.binary) << where;
            EXPECT_EQ(r.invalidBytes, whole.invalidBytes) << where;
            EXPECT_EQ(r.converted, whole.converted) << where;
            EXPECT_EQ(r.lineFormat, whole.lineFormat) << where;
            EXPECT_EQ(r.breaksRewritten, whole.breaksRewritten) << where;
            if (r.characters) {
                EXPECT_EQ(*r.characters, utf8::countChars(whole.text)) << where;
            }
            EXPECT_EQ(r.characters.has_value(), plain) << where;
        }
    }
}

TEST(StreamedLoad, LateSurprisesDropWhatWasHandedOverAndReadAgain) {
    ScratchDir dir;
    const std::string lines = [] {
        std::string s;
        for (int i = 0; i < 2000; ++i) s += "line " + std::to_string(i) + "\n";
        return s;
    }();
    struct Case {
        std::string tail;
        TextCharset charset;
        bool binary;
    };
    const Case cases[] = {{"caf\xC3\xA9 \xE9\n", TextCharset::Utf8, false},  // a stray byte: carried
                          {"caf\xE9\n", TextCharset::Windows1252, false},
                          {std::string("a\0b\n", 4), TextCharset::Utf8, true}};
    for (const Case& c : cases) {
        const std::string path = dir.write("late.txt", lines + c.tail);
        RecordingSink sink;
        LoadOptions o;
        o.chunkSize = 4096;
        o.sink = &sink;
        const LoadResult r = DocumentLoader::load(path, o);
        ASSERT_TRUE(r.ok);
        EXPECT_FALSE(r.streamed);
        EXPECT_EQ(sink.begun, 1);
        EXPECT_EQ(sink.discarded, 1);
        EXPECT_EQ(r.charset, c.charset);
        EXPECT_EQ(r.binary, c.binary);
        EXPECT_EQ(r.text, DocumentLoader::load(path).text);
    }
}

TEST(StreamedLoad, CancelKeepsTheTextReadWithoutHalfACharacter) {
    ScratchDir dir;
    // "é" straddles the end of the first chunk.
    std::string bytes(65535, 'a');
    bytes += "\xC3\xA9";
    bytes += std::string(200000, '\n');
    const std::string path = dir.write("big.txt", bytes);
    RecordingSink sink;
    LoadOptions o;
    o.chunkSize = 65536;
    o.sink = &sink;
    o.progress = [](std::uint64_t done, std::uint64_t) { return done < 65536; };
    const LoadResult r = DocumentLoader::load(path, o);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.streamed);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.incomplete());
    EXPECT_EQ(sink.text, std::string(65535, 'a'));
    EXPECT_EQ(r.characters, 65535u);
    EXPECT_EQ(readFile(path), bytes);
    // The first chunk tells how much the breaks add; the whole is expected from it.
    EXPECT_GE(sink.expected, bytes.size());
}

TEST(StreamedLoad, AnEditorOutOfRoomKeepsWhatItTookAsATruncatedLoad) {
    ScratchDir dir;
    const std::string path = dir.write("f.txt", std::string(10000, 'z'));
    RecordingSink sink;
    sink.roomLeft = 4096;
    LoadOptions o;
    o.chunkSize = 4096;
    o.sink = &sink;
    const LoadResult r = DocumentLoader::load(path, o);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.streamed);
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(sink.text, std::string(4096, 'z'));
}

TEST(StreamedLoad, SavedBackByteForByte) {
    ScratchDir dir;
    struct Case {
        std::string bytes, saved;
    };
    const Case cases[] = {
        {"crlf\r\nlines\r\n", "crlf\r\nlines\r\n"},
        {"lf\nlines\n\n", "lf\nlines\n\n"},
        {"\xEF\xBB\xBF"
         "bom\nand \xE2\x82\xAC\n",
         "\xEF\xBB\xBF"
         "bom\nand \xE2\x82\xAC\n"},
        // Lone CRs and a mixture come back in the format most breaks use.
        {"cr\rlines\r", "cr\r\nlines\r\n"},
        {"a\nb\nc\r\nd\re\n", "a\nb\nc\nd\ne\n"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.write("f.txt", c.bytes);
        for (const std::size_t chunk : {1u, 3u, 1u << 20}) {
            RecordingSink sink;
            LoadOptions o;
            o.chunkSize = chunk;
            o.sink = &sink;
            const LoadResult r = DocumentLoader::load(path, o);
            ASSERT_TRUE(r.ok && r.streamed);
            SaveOptions so = r.writeBack();
            so.sync = false;
            const std::string target = dir.file("saved.txt");
            ASSERT_TRUE(DocumentSaver::save(target, sink.text, so).ok());
            EXPECT_EQ(readFile(target), c.saved) << c.bytes << " in chunks of " << chunk;
        }
    }
}
