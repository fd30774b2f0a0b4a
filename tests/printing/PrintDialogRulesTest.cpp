#include <gtest/gtest.h>

#include "printing/PrintDialogRules.h"

namespace sj {

TEST(PrintDialogRules, KeySets) {
    for (char32_t c : {U'0', U'9', U'\b', U'\x7f'}) {
        EXPECT_TRUE(PrintDialogRules::acceptsIntegerKey(c));
        EXPECT_TRUE(PrintDialogRules::acceptsMarginKey(c));
    }
    for (char32_t c : {U'a', U'-', U' ', U'+'}) EXPECT_FALSE(PrintDialogRules::acceptsMarginKey(c));
    EXPECT_FALSE(PrintDialogRules::acceptsIntegerKey(U'.'));
    EXPECT_TRUE(PrintDialogRules::acceptsMarginKey(U','));
    EXPECT_TRUE(PrintDialogRules::acceptsMarginKey(U'.'));
    EXPECT_FALSE(PrintDialogRules::acceptsFontSizeKey(U'.'));
    EXPECT_FALSE(PrintDialogRules::acceptsFontSizeKey(U'\u00e9'));
}

TEST(PrintDialogRules, UnitConversionRoundTrips) {
    using U = LengthUnits;
    EXPECT_EQ(PrintDialogRules::convertMargin("1.00", U::Inches, U::Centimeters, 0), "2.54");
    EXPECT_EQ(PrintDialogRules::convertMargin("2,54", U::Centimeters, U::Inches, 0), "1.00");
    // Different horizontal and vertical resolutions give back the margins.
    const std::string left = *PrintDialogRules::convertMargin("0.75", U::Inches, U::Pixels, 600);
    const std::string top = *PrintDialogRules::convertMargin("0.75", U::Inches, U::Pixels, 300);
    EXPECT_EQ(left, "450");
    EXPECT_EQ(top, "225");
    EXPECT_EQ(PrintDialogRules::convertMargin(left, U::Pixels, U::Inches, 600), "0.75");
    EXPECT_EQ(PrintDialogRules::convertMargin(top, U::Pixels, U::Inches, 300), "0.75");
    EXPECT_EQ(PrintDialogRules::convertMargin("1", U::Pixels, U::Centimeters, 0), "1.00");  // no printer
    EXPECT_EQ(PrintDialogRules::convertMargin("0", U::Inches, U::Pixels, 600), "0");
    EXPECT_EQ(PrintDialogRules::convertMargin("", U::Inches, U::Centimeters, 600), "0.00");
    EXPECT_FALSE(PrintDialogRules::convertMargin("1.2.3", U::Inches, U::Pixels, 600));
}

TEST(PrintDialogRules, ReadingBackPagesAndCopies) {
    EXPECT_EQ(PrintDialogRules::fromPage(""), 1);
    EXPECT_EQ(PrintDialogRules::fromPage("0"), 1);
    EXPECT_EQ(PrintDialogRules::fromPage("9"), 9);
    EXPECT_EQ(PrintDialogRules::toPage("7", 9), 0);
    EXPECT_EQ(PrintDialogRules::toPage("", 1), 0);
    EXPECT_EQ(PrintDialogRules::toPage("12", 9), 12);
    EXPECT_EQ(PrintDialogRules::copies("0"), 1);
    EXPECT_EQ(PrintDialogRules::copies("x"), 1);
    EXPECT_EQ(PrintDialogRules::copies("3"), 3);
    EXPECT_EQ(PrintDialogRules::fontSize("abc"), 0);
    EXPECT_EQ(PrintDialogRules::caption(""), "Print");
    EXPECT_EQ(PrintDialogRules::caption("a.txt"), "Print [a.txt]");
}

TEST(PrintDialogRules, SizeListSelection) {
    const std::vector<int> raster{8, 12};
    EXPECT_EQ(PrintDialogRules::sizeIndex(raster, "10", false), 0);  // 8
    EXPECT_EQ(PrintDialogRules::sizeIndex(raster, "12", false), 1);
    const std::vector<int>& scalable = PrintDialogRules::scalableSizes();
    EXPECT_EQ(scalable[15], 66);
    EXPECT_EQ(PrintDialogRules::sizeIndex(scalable, "13", true), -1);
    EXPECT_EQ(PrintDialogRules::sizeIndex(scalable, "", true), 2);
    EXPECT_EQ(PrintDialogRules::sizeIndex(scalable, "14", true), 5);
}

}  // namespace sj
