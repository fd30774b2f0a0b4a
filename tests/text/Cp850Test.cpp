#include <gtest/gtest.h>

#include "text/Cp850.h"
#include "text/Windows1252.h"

using namespace sj;

TEST(Cp850, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string text = cp850::toUtf8(all);
    const auto back = cp850::fromUtf8(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp850, DecodesLettersAndLineDrawing) {
    EXPECT_EQ(cp850::toUtf8("\x84\x94\x81\xE1"), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F");  // äöüß
    EXPECT_EQ(cp850::toUtf8("\xC9\xCD\xBB"), "\xE2\x95\x94\xE2\x95\x90\xE2\x95\x97");  // ╔═╗
    EXPECT_EQ(cp850::toUnicode(0xE7), U'\u00FE');
    EXPECT_EQ(cp850::toUnicode(0xFF), U'\u00A0');
}

TEST(Cp850, ReportsTheFirstCharacterItCannotHold) {
    std::size_t at = 99;
    EXPECT_FALSE(cp850::fromUtf8("ab\xC3\xA4\xE2\x82\xAC\xE2\x82\xAC", &at).has_value());  // "abä€€"
    EXPECT_EQ(at, 4u);
    EXPECT_FALSE(cp850::fromUtf8("\xE2\x80\x98").has_value());  // curly quote: never silently an apostrophe
    EXPECT_EQ(cp850::fromUtf8(""), std::string());
}

TEST(Cp850, OemToAnsiCommandTable) {
    EXPECT_EQ(cp850::oemToAnsi('A'), 'A');
    EXPECT_EQ(cp850::oemToAnsi(0x84), 0xE4);  // ä
    EXPECT_EQ(cp850::oemToAnsi(0x9C), 0xA3);  // £
    for (const int b : {0x9F, 0xB0, 0xB4, 0xB9, 0xBC, 0xBF, 0xC3, 0xC5, 0xC8, 0xCE, 0xD5,
                        0xD9, 0xDC, 0xDF, 0xEE, 0xEF, 0xF0, 0xF2, 0xF7, 0xFE, 0xFF})
        EXPECT_EQ(cp850::oemToAnsi(static_cast<unsigned char>(b)), ' ') << std::hex << b;
    EXPECT_EQ(cp850::oemToAnsi(0xC4), 0xAF);
    EXPECT_EQ(cp850::oemToAnsi(0xE7), 0xDE);
    EXPECT_EQ(cp850::oemToAnsi(0xE8), 0xFE);
    EXPECT_EQ(cp850::oemToAnsi(0xB5), 0xC1);  // Á
    EXPECT_EQ(cp850::oemToAnsi(0xF8), 0xB0);  // °
}

TEST(Cp850, AnsiToOemCommandTable) {
    for (int b = 0x80; b <= 0xA0; ++b) {
        if (b == 0x91 || b == 0x92) continue;
        EXPECT_EQ(cp850::ansiToOem(static_cast<unsigned char>(b)), ' ') << std::hex << b;
    }
    EXPECT_EQ(cp850::ansiToOem(0x91), '\'');
    EXPECT_EQ(cp850::ansiToOem(0x92), '\'');
    EXPECT_EQ(cp850::ansiToOem(0xB4), '\'');
    EXPECT_EQ(cp850::ansiToOem(0xAD), '-');
    EXPECT_EQ(cp850::ansiToOem(0xB8), ',');
    EXPECT_EQ(cp850::ansiToOem(0xAF), 0xC4);
    EXPECT_EQ(cp850::ansiToOem(0xDE), 0xE7);
    EXPECT_EQ(cp850::ansiToOem(0xFE), 0xE8);
    EXPECT_EQ(cp850::ansiToOem(0xE4), 0x84);
    EXPECT_EQ(cp850::ansiToOem(0xA4), 0xCF);  // ¤
}

TEST(Cp850, AnsiToOemAndBackRestoresSharedCharacters) {
    int restored = 0;
    for (int b = 0xA1; b < 0x100; ++b) {
        const auto ansi = static_cast<unsigned char>(b);
        const unsigned char oem = cp850::ansiToOem(ansi);
        if (oem == ' ' || oem == '\'' || oem == '-' || oem == ',') continue;
        EXPECT_EQ(cp850::oemToAnsi(oem), ansi) << std::hex << b;
        ++restored;
    }
    EXPECT_GT(restored, 85);
}
