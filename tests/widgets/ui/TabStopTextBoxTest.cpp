#include <gtest/gtest.h>

#include "widgets/ui/TabStopTextBox.h"

using sj::TabStopTextBox;

TEST(TabMemo, AppliesTheListWithTheFillRule) {
    TabStopTextBox memo;
    memo.setTabUnits(2);  // pixels: no screen resolution in the way
    memo.setTabSettings("40;100");
    const QList<qreal> stops = memo.appliedStops();
    ASSERT_EQ(stops.size(), 32);
    EXPECT_EQ(stops[0], 40);
    EXPECT_EQ(stops[1], 100);
    EXPECT_EQ(stops[2], 140);  // each further stop adds the first stop's position
    EXPECT_EQ(stops[31], 100 + 30 * 40);
}

TEST(TabMemo, EmptyListGivesHalfInchStopsAndUnitChangesKeepPlaces) {
    TabStopTextBox memo;
    memo.setTabSettings("");
    const QList<qreal> stops = memo.appliedStops();
    ASSERT_EQ(stops.size(), 32);
    EXPECT_NEAR(stops[1] - stops[0], stops[0], 1.0);
    memo.setTabSettings("1");
    const qreal inchStop = memo.appliedStops()[0];
    memo.setTabUnits(1);  // centimetres: same physical place
    EXPECT_EQ(memo.tabSettings(), "2.54");
    EXPECT_NEAR(memo.appliedStops()[0], inchStop, 1.0);
}
