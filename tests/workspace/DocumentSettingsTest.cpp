#include <gtest/gtest.h>

#include "workspace/DocumentSettings.h"

using namespace sj;

TEST(DocumentSettings, TabTextConvertsBetweenUnitsKeepingPlaces) {
    EXPECT_EQ(convertTabText("1;0.5;1", 0, 1, 96), "1.27;2.54");
    EXPECT_EQ(convertTabText("0.5;1", 0, 1, 96), "1.27;2.54");
    EXPECT_EQ(convertTabText("1.27;2.54", 1, 0, 96), "0.5;1");
    EXPECT_EQ(convertTabText("0.5;1", 0, 2, 96), "48;96");
    EXPECT_EQ(convertTabText("48;96", 2, 0, 96), "0.5;1");
    // Sorted, duplicates and non-numbers dropped.
    EXPECT_EQ(convertTabText("1;x;0.5;1", 0, 0, 96), "0.5;1");
    // Without a screen resolution pixel values stay as written.
    EXPECT_EQ(convertTabText("48", 2, 0, 0), "48");
}

TEST(DocumentSettings, TabFieldTakesDigitsAndSeparatorsOnly) {
    for (char32_t c : {U'0', U'9', U',', U'.', U';'}) EXPECT_TRUE(isTabTextChar(c));
    for (char32_t c : {U'a', U' ', U'-', U'\t', U'é'}) EXPECT_FALSE(isTabTextChar(c));
    for (char32_t c : {U'a', U' ', U'-', U'é'}) EXPECT_TRUE(refusedInTabText(c));
    for (char32_t c : {U'\b', U'\r', U'\x1b', U'5', U';'}) EXPECT_FALSE(refusedInTabText(c));
}
