#include <gtest/gtest.h>

#include "text/Utf8.h"
#include "text/Windows1252.h"

using namespace sj;

TEST(Utf8, DecodesAndRejectsMalformedSequences) {
    const std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    std::size_t pos = 0;
    EXPECT_EQ(utf8::decode(s, pos), U'a');
    EXPECT_EQ(utf8::decode(s, pos), U'\u00E9');
    EXPECT_EQ(utf8::decode(s, pos), U'\u20AC');
    EXPECT_EQ(utf8::decode(s, pos), U'\U0001F600');
    EXPECT_EQ(pos, s.size());
    // Overlong, surrogate, truncated and stray continuation bytes are all invalid.
    for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\x80", "\xFF"}) {
        EXPECT_FALSE(utf8::isValid(bad)) << bad;
        std::size_t p = 0;
        EXPECT_EQ(utf8::decode(bad, p), utf8::kReplacement);
        EXPECT_EQ(p, 1u);
    }
    EXPECT_TRUE(utf8::isValid(s));
    EXPECT_TRUE(utf8::isValid("\xEF\xBF\xBD"));  // a real U+FFFD is valid text
}

TEST(Utf8, BoundariesAndBackwardDecoding) {
    const std::string s = "x\xE2\x82\xACy";
    EXPECT_EQ(utf8::floorBoundary(s, 2), 1u);
    EXPECT_EQ(utf8::floorBoundary(s, 3), 1u);
    EXPECT_EQ(utf8::floorBoundary(s, 4), 4u);
    std::size_t pos = 4;
    EXPECT_EQ(utf8::decodeBefore(s, pos), U'\u20AC');
    EXPECT_EQ(pos, 1u);
    EXPECT_EQ(utf8::countChars(s), 3u);
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string text = cp1252::toUtf8(all);
    EXPECT_TRUE(utf8::isValid(text));
    const auto back = cp1252::fromUtf8(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Windows1252, ReportsTheFirstCharacterItCannotHold) {
    std::size_t at = 99;
    EXPECT_FALSE(cp1252::fromUtf8("ab\xE2\x82\xAC\xE4\xB8\xAD", &at).has_value());
    EXPECT_EQ(at, 5u);  // the euro sign maps, the CJK character does not
}

// The word-at-a-time ASCII skip must hand over at every alignment: a multi-byte
// character or a bad byte at each offset of a long ASCII run is still seen.
TEST(Utf8, LongAsciiRunsHandOverAtEveryOffset) {
    for (std::size_t at = 0; at < 20; ++at) {
        std::string good(24, 'a');
        good.insert(at, "\xE2\x82\xAC");
        EXPECT_TRUE(utf8::isValid(good)) << at;
        EXPECT_EQ(utf8::countChars(good), 25u) << at;
        std::string bad(24, 'a');
        bad.insert(at, "\xE2\x82");
        EXPECT_FALSE(utf8::isValid(bad)) << at;
        EXPECT_EQ(utf8::countChars(bad), 26u) << at;  // each bad byte counts as one
        EXPECT_FALSE(utf8::isValid(std::string(24, 'b') + std::string(at, 'c') + "\xFF")) << at;
    }
}
