#include <gtest/gtest.h>

#include <random>

#include "text/ByteEscapes.h"
#include "text/Utf16.h"

using namespace sj;

TEST(ByteEscapes, EveryStrayByteHasItsOwnEscapeAndComesBack) {
    for (int b = 0x80; b < 0x100; ++b) {
        const std::string bytes = "x" + std::string(1, static_cast<char>(b)) + "y";
        const std::string text = bytescape::decode(bytes);
        ASSERT_EQ(text.size(), 5u) << b;
        EXPECT_TRUE(bytescape::hasEscapes(text));
        EXPECT_EQ(bytescape::restore(text), bytes) << b;
    }
    // Well-formed sequences, U+FFFD among them, are copied.
    EXPECT_EQ(bytescape::decode("\xC3\xA9\xEF\xBF\xBD"), "\xC3\xA9\xEF\xBF\xBD");
    // A sequence cut short: each of its bytes is stray.
    EXPECT_EQ(bytescape::restore(bytescape::decode("\xE2\x82")), "\xE2\x82");
    EXPECT_EQ(bytescape::census("\xE2\x82").invalid, 2u);
    const auto c = bytescape::census("\xC3\xA9\xE2\x82\xAC\xE9");
    EXPECT_EQ(c.multiByte, 2u);
    EXPECT_EQ(c.invalid, 1u);
    EXPECT_FALSE(c.holdsEscapes);
    EXPECT_TRUE(bytescape::census("\xEF\x9E\x80").holdsEscapes);
    EXPECT_FALSE(bytescape::hasEscapes("\xEF\xBF\xBD plain"));
}

TEST(ByteEscapes, RandomBytesRoundTripWhenNoEscapeLookalikeIsPresent) {
    std::mt19937 rng(11);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(rng() % 24, '\0');
        for (char& ch : bytes) ch = static_cast<char>(rng() % 2 ? 0x80 + rng() % 0x80 : rng() % 0x100);
        if (bytescape::census(bytes).holdsEscapes) continue;
        EXPECT_EQ(bytescape::restore(bytescape::decode(bytes)), bytes);
    }
}

TEST(Utf16, BothByteOrdersRoundTripAndMalformedInputIsRefused) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\r\n";
    for (auto order : {utf16::Order::Little, utf16::Order::Big}) {
        const std::string bytes = utf16::fromUtf8(text, order);
        ASSERT_EQ(utf16::orderOf(bytes), order);
        EXPECT_EQ(bytes.size(), 2u + 2 * 7);
        EXPECT_EQ(utf16::toUtf8(std::string_view(bytes).substr(2), order), text);
    }
    EXPECT_EQ(utf16::fromUtf8("A", utf16::Order::Big), std::string("\xFE\xFF\0A", 4));
    EXPECT_FALSE(utf16::orderOf("\xEF\xBB\xBF"));
    EXPECT_FALSE(utf16::toUtf8("a", utf16::Order::Little));                         // odd
    EXPECT_FALSE(utf16::toUtf8(std::string("\x00\xDC", 2), utf16::Order::Little));  // low half alone
    EXPECT_FALSE(utf16::toUtf8(std::string("\x00\xD8"
                                           "a\0",
                                           4),
                               utf16::Order::Little));  // high half alone
}
