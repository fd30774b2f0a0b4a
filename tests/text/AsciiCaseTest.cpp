#include <gtest/gtest.h>

#include "text/AsciiCase.h"

namespace sj {

// Switches and key names compare without case for the ASCII letters only: the bytes of
// other characters stay as they are, so "É" (C3 89) never equals "é" (C3 A9) here, and a
// prefix longer than the text never matches.
TEST(AsciiCase, ComparesOnlyAsciiLettersWithoutCase) {
    EXPECT_TRUE(ascii::equalsIgnoringCase("/ns", "/NS"));
    EXPECT_FALSE(ascii::equalsIgnoringCase("/NS", "/N"));
    EXPECT_FALSE(ascii::equalsIgnoringCase("\xC3\x89", "\xC3\xA9"));
    EXPECT_FALSE(ascii::equalsIgnoringCase("@", "`"));
    EXPECT_TRUE(ascii::startsWithIgnoringCase("/ini=x.ini", "/INI="));
    EXPECT_FALSE(ascii::startsWithIgnoringCase("/IN", "/INI="));
    EXPECT_EQ(ascii::upperCopy("MultiLine \xC3\xA9z"), "MULTILINE \xC3\xA9Z");
    EXPECT_EQ(ascii::toLower('['), '[');
}

}  // namespace sj
