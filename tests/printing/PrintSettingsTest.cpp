#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "printing/PrintSettings.h"

namespace sj {

TEST(PrintSettings, MissingSectionKeepsTheDefaults) {
    IniFile ini;
    ini.parse("[Options]\nWordWrap=1\n");
    PrintSettings s;
    s.load(ini);
    EXPECT_EQ(s, PrintSettings{});
    EXPECT_EQ(s.fontName, "Courier New");
    EXPECT_EQ(s.numberFormat, "Page %d");
    EXPECT_EQ(s.copies, 1);
}

TEST(PrintSettings, ReadingRepairsPageRangeCopiesAndCuts) {
    IniFile ini;
    ini.parse(
        "[Printing]\nStartPage=5\nEndPage=3\nCopies=0\nFontStyle=ib\n"
        "FontName=An extremely long font name that goes on and on\n"
        "PageNumberFormat=123456789012345678901234\nPageNumbers=99\nUnits=-1\nMarginLeft=abc\n");
    PrintSettings s;
    s.load(ini);
    EXPECT_EQ(s.fromPage, 5);
    EXPECT_EQ(s.toPage, 0);
    EXPECT_EQ(s.copies, 1);
    EXPECT_TRUE(s.fontStyles.bold);
    EXPECT_TRUE(s.fontStyles.italic);
    EXPECT_EQ(s.fontName.size(), 31u);
    EXPECT_EQ(s.numberFormat, "12345678901234567890");
    // Ordinals out of range and margins that are no numbers keep what was there.
    EXPECT_EQ(s.pageNumbers, PageNumberPosition::None);
    EXPECT_EQ(s.lengthUnits, LengthUnits::Inches);
    EXPECT_DOUBLE_EQ(s.marginLeft, 1.0);

    IniFile zero;
    zero.parse("[Printing]\nStartPage=0\n");
    s.load(zero);
    EXPECT_EQ(s.fromPage, 1);
}

TEST(PrintSettings, EveryKeyRoundTripsInItsTextForm) {
    PrintSettings s;
    s.lengthUnits = LengthUnits::Centimeters;
    s.printRange = PrintRange::PageNumbers;
    s.marginLeft = 0.75;
    s.marginRight = 2.5;
    s.marginTop = 0;
    s.marginBottom = 1.234;
    s.fromPage = 2;
    s.toPage = 7;
    s.copies = 3;
    s.collate = true;
    s.landscape = true;
    s.useDocFont = false;
    s.fontName = "DejaVu Sans Mono";
    s.fontSize = 12;
    s.fontStyles.italic = true;
    s.fontStyles.bold = true;
    s.printToFile = true;
    s.pageNumbers = PageNumberPosition::BottomCenter;
    s.numberFormat = "- %d -";
    s.dateFilter = "yyyy-mm-dd";
    s.pageHeader = PageInfo::TitleDate;
    s.pageFooter = PageInfo::Date;
    IniFile ini;
    s.save(ini);
    const std::string text = ini.serialize();
    EXPECT_NE(text.find("MarginLeft=0.75"), std::string::npos) << text;
    EXPECT_NE(text.find("MarginBottom=1.23"), std::string::npos) << text;
    EXPECT_NE(text.find("FontStyle=BI"), std::string::npos) << text;
    EXPECT_NE(text.find("Landscape=1"), std::string::npos) << text;
    EXPECT_NE(text.find("UseDocumentFont=0"), std::string::npos) << text;
    for (const char* key :
         {"Units",      "PrintRange", "MarginLeft", "MarginRight", "MarginTop",   "MarginBottom",
          "StartPage",  "EndPage",    "Copies",     "Collate",     "Landscape",   "UseDocumentFont",
          "FontName",   "FontSize",   "FontStyle",  "PrintToFile", "PageNumbers", "PageNumberFormat",
          "DateFilter", "PageHeader", "PageFooter"})
        EXPECT_TRUE(ini.keyExists("Printing", key)) << key;

    PrintSettings back;
    back.load(ini);
    s.marginBottom = 1.23;
    EXPECT_EQ(back, s);
}

TEST(PrintSettings, PixelMarginsAreWholeOthersHaveTwoDecimals) {
    EXPECT_EQ(PrintSettings::marginText(72.4, LengthUnits::Pixels), "72");
    EXPECT_EQ(PrintSettings::marginText(0.75, LengthUnits::Inches), "0.75");
    EXPECT_EQ(PrintSettings::marginText(2.54, LengthUnits::Centimeters), "2.54");
    EXPECT_EQ(PrintSettings::marginText(1, LengthUnits::Inches), "1.00");
    double v = -1;
    EXPECT_TRUE(PrintSettings::parseMargin("2,5", v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_TRUE(PrintSettings::parseMargin("", v));
    EXPECT_DOUBLE_EQ(v, 0);
    EXPECT_FALSE(PrintSettings::parseMargin("1.2.3", v));
}

TEST(PrintSettings, OtherSectionNameIsUsedForBoth) {
    PrintSettings s;
    s.iniSection = "MyPrinting";
    s.copies = 4;
    IniFile ini;
    s.save(ini);
    EXPECT_TRUE(ini.keyExists("MyPrinting", "Copies"));
    EXPECT_FALSE(ini.sectionExists("Printing"));
}

TEST(PrintSettings, NumberFormatGainsTheNumberField) {
    EXPECT_EQ(PrintSettings::normalisedNumberFormat("Page"), "Page %d");
    EXPECT_EQ(PrintSettings::normalisedNumberFormat("p. %D"), "p. %D");
    EXPECT_EQ(PrintSettings::normalisedNumberFormat(""), "");
    EXPECT_EQ(PrintSettings::normalisedNumberFormat("12345678901234567890xyz"), "12345678901234567 %d");
}

}  // namespace sj
