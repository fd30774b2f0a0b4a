#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/CharClass.h"
#include "text/Collation.h"
#include "text/WordDelimiters.h"

using namespace sj;

TEST(CharClass, CaseOfWindows1252Letters) {
    EXPECT_EQ(charclass::toUpper(U'\u00E9'), U'\u00C9');  // é
    EXPECT_EQ(charclass::toLower(U'\u00C9'), U'\u00E9');
    EXPECT_EQ(charclass::toUpper(U'\u00FF'), U'\u0178');  // ÿ -> Ÿ, both in the code page
    EXPECT_EQ(charclass::toUpper(U'\u0161'), U'\u0160');  // š
    EXPECT_EQ(charclass::toLower(U'\u0152'), U'\u0153');  // Œ
    // No upper-case form inside the code page: unchanged.
    EXPECT_EQ(charclass::toUpper(U'\u00DF'), U'\u00DF');  // ß
    EXPECT_EQ(charclass::toUpper(U'\u00B5'), U'\u00B5');  // µ, whose capital is Greek
    EXPECT_EQ(charclass::toUpper(U'1'), U'1');
}

TEST(CharClass, BeyondTheCodePageFollowsUnicode) {
    EXPECT_EQ(charclass::toUpper(U'\u03B1'), U'\u0391');  // Greek alpha
    EXPECT_EQ(charclass::toLower(U'\u0416'), U'\u0436');  // Cyrillic Zhe
    EXPECT_TRUE(charclass::isAlpha(U'\u4E2D'));
    EXPECT_FALSE(charclass::isAlpha(U'\u2014'));
    EXPECT_TRUE(charclass::isLower(U'\u00DF'));
    EXPECT_TRUE(charclass::isUpper(U'\u00C0'));
    EXPECT_FALSE(charclass::isUpper(U'_'));
}

TEST(CharClass, FoldingAndCaseInsensitiveCompare) {
    EXPECT_EQ(charclass::foldCase("Stra\xC3\x9F"
                                  "E \xC3\x89T\xC3\x89"),
              "stra\xC3\x9F"
              "e \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(charclass::foldCase("a\xFF"
                                  "B"),
              "a\xFF"
              "b");  // malformed byte kept
    EXPECT_EQ(charclass::compareIgnoreCase("H\xC3\x89LLO", "h\xC3\xA9llo"), 0);
    EXPECT_LT(charclass::compareIgnoreCase("abc", "ABD"), 0);
    EXPECT_GT(charclass::compareIgnoreCase("abcd", "ABC"), 0);
    EXPECT_LT(charclass::compareIgnoreCase("", "a"), 0);
}

TEST(Collation, LocaleOrderAndCaseInsensitivity) {
    LocaleCollator sensitive("en_US.UTF-8", false);
    LocaleCollator insensitive("en_US", true);
    // Accented letters sort with their base letter, not after z as bytes would.
    EXPECT_LT(sensitive.compare("\xC3\xA9t\xC3\xA9", "zoo"), 0);
    EXPECT_NE(sensitive.compare("Apple", "apple"), 0);
    EXPECT_EQ(insensitive.compare("Apple", "aPPLE"), 0);
    EXPECT_NE(insensitive.compare("cote", "c\xC3\xB4te"), 0);  // accents still count
    LocaleCollator fallback("xx_NOWHERE@weird", false);
    EXPECT_LT(fallback.compare("a", "b"), 0);
}

TEST(Collation, SortKeysOrderLikeCompare) {
    LocaleCollator c("de_DE", true);
    std::vector<std::string> words = {"zebra",
                                      "\xC3\x84pfel",
                                      "apfel",
                                      "Birne",
                                      "",
                                      "b\xC3\xA4r",
                                      "ZEBRA",
                                      "bar",
                                      "a\xFF"
                                      "b",
                                      std::string(5000, 'x')};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byCompare = c.compare(a, b);
            const int byKey = c.sortKey(a).compare(c.sortKey(b));
            EXPECT_EQ(byCompare < 0, byKey < 0) << a << " / " << b;
            EXPECT_EQ(byCompare == 0, byKey == 0) << a << " / " << b;
        }
    EXPECT_EQ(c.sortKey("zebra"), c.sortKey("ZEBRA"));
    EXPECT_EQ(c.sortKey("").find('\0'), std::string::npos);
}

TEST(WordDelimiters, ExactlyTheListedCharacters) {
    const std::string listed = std::string("\0\b\t\n\r !\"%&'()*+,-./:;<=>?@[\\]`{|}", 33);
    for (char32_t c = 0; c < 0x300; ++c) {
        const bool inList = c < 0x80 && listed.find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(isWordDelimiter(c), inList) << int(c);
        EXPECT_EQ(isWordDelimiterNoHyphen(c), inList && c != '-') << int(c);
    }
    EXPECT_FALSE(isWordDelimiter(U'#'));
    EXPECT_FALSE(isWordDelimiter(U'_'));
    EXPECT_FALSE(isWordDelimiter(U'\u2014'));
}
