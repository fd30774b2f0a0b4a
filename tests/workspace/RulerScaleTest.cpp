#include <gtest/gtest.h>

#include "workspace/RulerScale.h"

using namespace sj;

TEST(RulerScale, StepPerUnit) {
    EXPECT_DOUBLE_EQ(rulerStep(RulerUnit::Characters, 95 * 8, false, 96), 8);
    EXPECT_DOUBLE_EQ(rulerStep(RulerUnit::Characters, 95 * 8, true, 96), 8 * 1.082);
    EXPECT_DOUBLE_EQ(rulerStep(RulerUnit::Inches, 0, false, 96), 9.6);
    EXPECT_DOUBLE_EQ(rulerStep(RulerUnit::Centimetres, 0, false, 127), 10);
    EXPECT_EQ(nextRulerUnit(RulerUnit::Characters), RulerUnit::Inches);
    EXPECT_EQ(nextRulerUnit(RulerUnit::Inches), RulerUnit::Centimetres);
    EXPECT_EQ(nextRulerUnit(RulerUnit::Centimetres), RulerUnit::Characters);
    EXPECT_EQ(rulerUnitFromStored(7), RulerUnit::Characters);
}

TEST(RulerScale, TickLengthsMarkFivesAndTensOrWholeCentimetres) {
    const auto chars = rulerTicks(200, 12, 1, 0, 8, RulerUnit::Characters);
    ASSERT_GE(chars.size(), 11u);
    EXPECT_EQ(chars[0].x, 2);
    EXPECT_EQ(chars[1].x, 10);
    EXPECT_EQ(chars[0].length, 8);
    EXPECT_EQ(chars[1].length, 4);
    EXPECT_EQ(chars[5].length, 6);
    EXPECT_EQ(chars[10].length, 8);
    const auto cm = rulerTicks(200, 12, 1, 0, 8, RulerUnit::Centimetres);
    EXPECT_EQ(cm[5].length, 8);
    EXPECT_EQ(cm[4].length, 4);
    EXPECT_EQ(cm[2].length, 4);  // no medium ticks in centimetres
}

TEST(RulerScale, TicksStopBeforeTheRightEndAndDoNotDriftWithAFractionalStep) {
    const auto ticks = rulerTicks(100, 12, 1, 10, 9.6, RulerUnit::Inches);
    for (const auto& t : ticks) EXPECT_LT(t.x - 1, 100 - 2 - 2);
    ASSERT_GE(ticks.size(), 9u);
    EXPECT_EQ(ticks[0].x, 12);
    // Ten tenths of an inch are 96 pixels, not ten rounded steps of 10.
    const auto wide = rulerTicks(400, 12, 1, 0, 9.6, RulerUnit::Inches);
    EXPECT_EQ(wide[10].x - wide[0].x, 96);
    EXPECT_TRUE(rulerTicks(100, 12, 1, 0, 0, RulerUnit::Characters).empty());
}

TEST(RulerScale, HintTellsThePositionInTheUnit) {
    const double dpi = 96;
    const int first = 1 + 20 + 1;  // margin, offset, first tick
    const double cm = dpi / 2.54;
    const double mmStep = rulerStep(RulerUnit::Centimetres, 0, false, dpi);
    EXPECT_EQ(rulerHint(first + static_cast<int>(cm + 0.5), 1, 20, mmStep, RulerUnit::Centimetres),
              "Position: 10 millimeters");
    EXPECT_EQ(rulerHint(first + 144, 1, 20, 9.6, RulerUnit::Inches), "Position: 1.5 inches");
    EXPECT_EQ(rulerHint(first + 80, 1, 20, 8, RulerUnit::Characters), "Position: 10 characters");
    EXPECT_EQ(rulerHint(first - 10, 1, 20, 9.6, RulerUnit::Inches), "Position: -0.1 inches");
    EXPECT_EQ(rulerHint(50, 1, 20, 0, RulerUnit::Characters), "");
}
