#include <gtest/gtest.h>

#include "workspace/ToolbarLayout.h"

using namespace sj;

namespace {

using Item = ToolbarLayoutInput::Item;

ToolbarLayoutInput bar(int width, std::vector<Item> items) {
    ToolbarLayoutInput in;
    in.panelWidth = width;
    in.items = std::move(items);
    return in;
}

const Item B{false, true};
const Item S{true, true};
const Item Hidden{false, false};

}  // namespace

TEST(ToolbarLayout, ButtonSizeFollowsHeightCaptionsAndFixedWidth) {
    auto in = bar(400, {B});
    auto r = layoutToolbar(in);
    EXPECT_EQ(r.buttonHeight, 24);  // 33 - 2 (chisel) - 2 - 5
    EXPECT_EQ(r.buttonWidth, 26);
    in.widestCaption = 40;
    EXPECT_EQ(layoutToolbar(in).buttonWidth, 44);
    in.widestCaption = 10;
    EXPECT_EQ(layoutToolbar(in).buttonWidth, 24);  // never narrower than high
    in.buttonWidth = 60;
    EXPECT_EQ(layoutToolbar(in).buttonWidth, 60);
}

TEST(ToolbarLayout, ARunOfSeparatorsMakesOneLineAndOnlyWithFlatButtons) {
    auto in = bar(400, {B, S, Hidden, S, B, S});
    auto r = layoutToolbar(in);
    EXPECT_TRUE(r.boxes[1].shown);
    EXPECT_FALSE(r.boxes[3].shown);  // same run, the hidden button between does not count
    EXPECT_EQ(r.boxes[1].x, 3 + 26);
    EXPECT_EQ(r.boxes[1].y, 2);
    EXPECT_EQ(r.boxes[4].x, 3 + 26 + 4);
    in.flatButtons = false;
    r = layoutToolbar(in);
    EXPECT_FALSE(r.boxes[1].shown);
    EXPECT_EQ(r.boxes[4].x, 3 + 26 + 26 / 4);  // a gap only
    in.useSeparators = false;
    EXPECT_EQ(layoutToolbar(in).boxes[4].x, 3 + 26);
}

TEST(ToolbarLayout, NarrowBarHidesOrWrapsWholeRows) {
    // 25 right margin and 3 at the end: 3 buttons of 26 fit in 110.
    auto in = bar(110, {B, B, B, B, B, B, B});
    auto r = layoutToolbar(in);
    EXPECT_EQ(r.rows, 1);
    EXPECT_EQ(r.panelHeight, 33);
    EXPECT_TRUE(r.boxes[1].shown);
    EXPECT_FALSE(r.boxes[3].shown);
    EXPECT_FALSE(r.boxes[6].shown);
    in.wrapButtons = true;
    r = layoutToolbar(in);
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.panelHeight, 99);
    EXPECT_TRUE(r.boxes[6].shown);
    EXPECT_EQ(r.boxes[3].x, 3);
    EXPECT_EQ(r.boxes[3].y, 4 + 33);
    EXPECT_EQ(r.boxes[6].y, 4 + 66);
}

TEST(ToolbarLayout, APanelNarrowerThanOneButtonStillEnds) {
    auto in = bar(10, {B, B});
    in.wrapButtons = true;
    const auto r = layoutToolbar(in);
    EXPECT_EQ(r.rows, 2);
    EXPECT_TRUE(r.boxes[0].shown);
}
