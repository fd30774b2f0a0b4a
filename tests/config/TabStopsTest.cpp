#include <gtest/gtest.h>

#include "config/FontText.h"
#include "config/TabStops.h"

using namespace sj;

TEST(TabStops, ParsingDropsBadDuplicateAndTooSmallValues) {
    TabStops t;
    t.setText("1.25;0.5;x;1.25;0.001;-2;;0.01; 2 ;3abc");
    EXPECT_EQ(t.positions(), (std::vector<double>{0.01, 0.5, 1.25, 2}));
    EXPECT_EQ(t.text(), "0.01;0.5;1.25;2");

    // The 33rd stop is refused, whatever its value.
    std::string many;
    for (int i = 1; i <= 40; ++i) many += std::to_string(i) + ";";
    t.setText(many);
    EXPECT_EQ(t.positions().size(), 32u);
    EXPECT_EQ(t.positions().back(), 32);
    EXPECT_FALSE(t.add(0.2));

    t.setText("");
    EXPECT_TRUE(t.positions().empty());
    EXPECT_EQ(t.text(), "");
}

TEST(TabStops, TextFormRoundsToTwoDecimals) {
    TabStops t;
    t.add(1.0 / 3.0);
    t.add(2.54);
    t.add(1234567.891);
    EXPECT_EQ(t.text(), "0.33;2.54;1234568");
    EXPECT_EQ(TabStops::toStored("2.54;5.08"), "2.54/5.08");
    EXPECT_EQ(TabStops::fromStored("2.54/5.08"), "2.54;5.08");
}

TEST(TabStops, PointsWithFill) {
    TabStops t(TabUnit::Inches, true);
    t.setText("0.5;1");
    std::vector<int> expected;
    expected.push_back(36);
    for (int p = 72; expected.size() < 32; p += 36) expected.push_back(p);
    EXPECT_EQ(t.points(96), expected);

    t.setText("1;1;0.001");
    const std::vector<int> inches = t.points(96);
    ASSERT_EQ(inches.size(), 32u);
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(inches[i], 72 * static_cast<int>(i + 1));

    // An empty list: every half inch.
    t.setText("");
    const std::vector<int> empty = t.points(96);
    ASSERT_EQ(empty.size(), 32u);
    EXPECT_EQ(empty.front(), 36);
    EXPECT_EQ(empty.back(), 36 * 32);

    // Without fill only the given stops.
    TabStops nofill(TabUnit::Centimetres, false);
    nofill.setText("2.54;5.08");
    EXPECT_EQ(nofill.points(96), (std::vector<int>{72, 144}));
    // Pixels go through the screen resolution; 96 px at 96 dpi is one inch.
    TabStops px(TabUnit::Pixels, false);
    px.setText("96");
    EXPECT_EQ(px.points(96), (std::vector<int>{72}));
    EXPECT_EQ(px.pixels(96), (std::vector<int>{96}));
}

TEST(TabStops, UnitChangeKeepsPhysicalPlace) {
    TabStops t(TabUnit::Inches);
    t.setText("1;2");
    t.setUnit(TabUnit::Centimetres, 96);
    EXPECT_EQ(t.text(), "2.54;5.08");
    t.setUnit(TabUnit::Pixels, 96);
    EXPECT_EQ(t.text(), "96;192");
    // Unknown resolution: the numbers stay, only the unit changes.
    t.setUnit(TabUnit::Inches, 0);
    EXPECT_EQ(t.text(), "96;192");
    EXPECT_EQ(t.unit(), TabUnit::Inches);
}

TEST(FontText, StyleLettersAndFontRoundTrip) {
    FontStyle st = FontText::styleFromText("sib");
    EXPECT_TRUE(st.bold && st.italic && st.strikeOut && !st.underline);
    EXPECT_EQ(FontText::styleToText(st), "BIS");
    EXPECT_EQ(FontText::styleToText({}), "");

    const FontSpec f{"Courier New", 10, {true, false, true, false}, -2147483643};
    EXPECT_EQ(FontText::toText(f), "Courier New;10;BU;-2147483643");
    EXPECT_EQ(FontText::fromText(FontText::toText(f)), f);

    // Missing or broken parts keep the fallback's values.
    const FontSpec fallback{"Mono", 12, {}, 255};
    const FontSpec g = FontText::fromText("Arial;big", fallback);
    EXPECT_EQ(g.name, "Arial");
    EXPECT_EQ(g.size, 12);
    EXPECT_EQ(g.colour, 255);
    EXPECT_EQ(FontText::fromText("", fallback), fallback);
}

TEST(TabStops, HugeStoredValuesCannotOverflowTheArithmetic) {
    TabStops t;
    t.setText("21439770");
    EXPECT_TRUE(t.positions().empty());
    t.setText("0.5;9999999");
    ASSERT_EQ(t.positions().size(), 2u);
    TabStops pixels(TabUnit::Pixels);
    pixels.setText("9999999");
    for (double ppi : {96.0, 0.001, 1e6}) {
        for (const int px : pixels.pixels(ppi)) EXPECT_GE(px, 0);
        const std::vector<int> pts = pixels.points(ppi);
        ASSERT_EQ(pts.size(), TabStops::kMaxStops);
        for (std::size_t i = 1; i < pts.size(); ++i) EXPECT_GT(pts[i], pts[i - 1]);
    }
}
