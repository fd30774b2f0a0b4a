#include <gtest/gtest.h>

#include "texttools/CharsetCommands.h"

using namespace sj;

TEST(convertText, CaptionFollowsTheFlag) {
    EXPECT_EQ(convertTextCaption(false), "Convert to &Ascii Text");
    EXPECT_EQ(convertTextCaption(true), "Convert to &Ansi Text");
}

TEST(convertText, DosBytesShownAsWindowsTextBecomeReadable) {
    // A DOS file read as Windows text shows "„" (0x84) where it means "ä".
    const std::string text =
        "Gr\xE2\x80\x9E\xC3\xA1"
        "e";  // "Gr„áe": 0x84, 0xE1 (ß in DOS)
    const auto r = convertText(text, false, 0, 0, false);
    EXPECT_TRUE(r.oemText);
    EXPECT_EQ(r.text,
              "Gr\xC3\xA4\xC3\x9F"
              "e");  // "Gräße"
    EXPECT_TRUE(r.keepUnmodified);
}

TEST(convertText, AsciiThenAnsiRestoresSharedCharacters) {
    std::string all;
    for (char32_t c = 0xA1; c <= 0xFF; ++c) {
        if (c == 0xAD) continue;
        const char32_t cp = c;
        if (cp < 0x80)
            all.push_back(static_cast<char>(cp));
        else {
            all.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            all.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    const auto toAnsiView = convertText(all, true, 0, 0, true);  // to DOS bytes
    EXPECT_FALSE(toAnsiView.oemText);
    EXPECT_FALSE(toAnsiView.keepUnmodified);
    const auto back = convertText(toAnsiView.text, false, 0, 0, true);
    // The acute accent and the cedilla have no DOS form in the tables and become ' and ,.
    std::string expected = all;
    const std::size_t acute = expected.find("\xC2\xB4");
    expected.replace(acute, 2, "'");
    const std::size_t cedilla = expected.find("\xC2\xB8");
    expected.replace(cedilla, 2, ",");
    EXPECT_EQ(back.text, expected);
}

TEST(convertText, LossyEntriesAndForeignCharacters) {
    // Curly quotes become apostrophes, the euro sign a space; a line-drawing byte becomes a space.
    EXPECT_EQ(convertCharset("\xE2\x80\x98x\xE2\x80\x99 \xE2\x82\xAC", false), "'x'  ");
    EXPECT_EQ(convertCharset("\xC2\xB0", true), " ");  // 0xB0 as DOS: a shade block
    // Characters Windows-1252 cannot hold are left alone, malformed bytes too.
    EXPECT_EQ(convertCharset("\xE4\xB8\xAD\xFF"
                             "a",
                             true),
              "\xE4\xB8\xAD\xFF"
              "a");
    EXPECT_EQ(convertCharset("", false), "");
}

TEST(convertText, SelectionKeepsItsCharacters) {
    // Convert to Ansi on "a€ä b" with "ä b" selected (bytes 4 to 7): € becomes a one-byte space,
    // ä the DOS byte 0x84 shown as "„" (three bytes).
    const std::string text = "a\xE2\x82\xAC\xC3\xA4 b";
    const auto r = convertText(text, true, 4, 4, false);
    EXPECT_FALSE(r.oemText);
    EXPECT_EQ(r.text, "a \xE2\x80\x9E b");
    EXPECT_EQ(r.text.substr(r.selStart, r.selLength), "\xE2\x80\x9E b");
    // A selection past the end is clamped.
    const auto clamped = convertText(text, true, 100, 5, false);
    EXPECT_EQ(clamped.selStart, clamped.text.size());
    EXPECT_EQ(clamped.selLength, 0u);
}
