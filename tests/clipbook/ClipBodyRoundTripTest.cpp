// Every body the item editor can produce reads back exactly after the library
// is saved, while libraries the older form carries are written as before.
#include <gtest/gtest.h>

#include <random>

#include "clipbook/ClipLibrary.h"
#include "clipbook/ClipLibraryCodec.h"
#include "clipbook/ClipLibraryFormat.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

// What the item editor hands over on OK: its text with every break CR LF.
std::string fromEditor(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Saves a library holding one item made through the editor path and loads the
// file again; returns the body read back.
std::string throughTheFile(const std::string& title, const std::string& body, std::string* file = nullptr) {
    test::ScratchDir dir;
    ClipLibrary lib;
    lib.reset();
    EXPECT_GE(lib.applyEditor(-1, title, body), 0);
    const std::string path = dir.file("lib.clb");
    EXPECT_TRUE(lib.saveToFile(path).ok);
    if (file) *file = test::readFile(path);
    ClipLibrary back;
    EXPECT_TRUE(back.loadFromFile(path).ok);
    EXPECT_EQ(back.count(), 1u);
    return back.count() ? back.item(0).body.text() : std::string();
}

TEST(ClipBodyRoundTrip, EmptyFirstLineAndDotLineComeBackExactly) {
    EXPECT_EQ(throughTheFile("Sig", fromEditor("\nRegards")), "\r\nRegards");
    EXPECT_EQ(throughTheFile("Dots", fromEditor("Text\n.\nEnd")), "Text\r\n.\r\nEnd");
    std::string file;
    EXPECT_EQ(throughTheFile("D", fromEditor(".\n..\n.x\n\n"), &file), ".\r\n..\r\n.x\r\n\r\n");
    EXPECT_EQ(file, "=MultiLine TabWidth=30 ExactLines\r\n\r\nH=D\r\n..\r\n...\r\n..x\r\n.\r\n.\r\n\r\n");
}

TEST(ClipBodyRoundTrip, GeneratedBodiesOfAnyShape) {
    const std::vector<std::string> pieces = {"",  ".",  "..", ".x",        "H=t",      "h=", "=x", "^!URL:x",
                                             " ", "\t", "a",  "two words", "\xC3\xA9", ";",  "^&"};
    std::mt19937 rng(2026);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        const std::size_t lines = 1 + rng() % 6;
        for (std::size_t i = 0; i < lines; ++i) {
            if (i) text += '\n';
            text += pieces[rng() % pieces.size()];
        }
        const std::string body = fromEditor(text);
        if (body.empty()) continue;  // an empty body is no item
        std::string file;
        EXPECT_EQ(throughTheFile("T" + std::to_string(round), body, &file), body) << file;
    }
}

TEST(ClipBodyRoundTrip, OlderFormLibrariesAreWrittenByteForByteAsBefore) {
    // Written by the older form: titles doubling as first lines, title lines,
    // "." for empty lines and trailing breaks.
    const std::string files[] = {
        "=MultiLine TabWidth=30\r\n\r\nHello\r\n\r\nH=Sig\r\nBest\r\n.\r\nMe\r\n.\r\n\r\n",
        "=MultiLine NoSorting TabWidth=12\r\n\r\nH=x\r\n.\r\n\r\nH=y\r\n.\r\nz\r\n\r\n",
        "=TabWidth=30\r\n\r\na\r\nb\r\n",
    };
    for (const std::string& f : files) {
        ClipLibraryData d;
        parseClipLibrary(f, d);
        EXPECT_FALSE(d.exactLines);
        EXPECT_EQ(formatClipLibrary(d), f);
    }
}

TEST(ClipLibraryCharset, Windows1252LibraryWhoseBytesLookLikeUtf8KeepsItsSet) {
    // "Ã©" in Windows-1252 is C3 A9, which is also "é" in UTF-8.
    test::ScratchDir dir;
    const std::string path =
        dir.write("old.clb", "=MultiLine TabWidth=30\r\n\r\nH=t\r\n\xC3\xA9 caf\xE9\r\n\r\n");
    ClipLibrary lib;
    ASSERT_TRUE(lib.loadFromFile(path).ok);
    ASSERT_EQ(lib.charset(), ClipCharset::Windows1252);
    ASSERT_EQ(lib.item(0).body.text(), "\xC3\x83\xC2\xA9 caf\xC3\xA9");
    // The user removes "café": the bytes left happen to be valid UTF-8.
    ASSERT_GE(lib.applyEditor(0, "t", "\xC3\x83\xC2\xA9"), 0);
    ASSERT_TRUE(lib.saveToFile(path).ok);
    ClipLibrary back;
    ASSERT_TRUE(back.loadFromFile(path).ok);
    EXPECT_EQ(back.charset(), ClipCharset::Windows1252);
    EXPECT_EQ(back.item(0).body.text(), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(test::readFile(path), "=MultiLine TabWidth=30 Windows-1252\r\n\r\nH=t\r\n\xC3\xA9\r\n\r\n");
    // Without such bytes nothing is added.
    EXPECT_EQ(encodeLibraryText("=TabWidth=30\r\n\r\ncaf\xC3\xA9\r\n", ClipCharset::Windows1252).bytes,
              "=TabWidth=30\r\n\r\ncaf\xE9\r\n");
}

}  // namespace
}  // namespace sj
