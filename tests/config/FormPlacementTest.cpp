// Window placement for saving and restoring: normal rectangle across
// maximise and minimise, the centred rule, groups, locks and screens.
#include <gtest/gtest.h>

#include "config/WindowKeys.h"

#include "config/FormPlacement.h"
#include "config/IniFile.h"

namespace sj {
namespace {
// A placement key as the configuration file stores it.
std::string key(std::string_view prefix, const char* suffix) {
    return std::string(prefix) + suffix;
}

using W = WindowPlacement;

TEST(FormPlacementTest, MaximisedOrMinimisedWindowKeepsItsNormalRectangle) {
    FormPlacement f;
    f.noteGeometry({10, 20, 640, 480}, FormState::Normal);
    f.noteGeometry({0, 0, 1280, 800}, FormState::Maximized);
    f.noteGeometry({-32000, -32000, 160, 30}, FormState::Minimized);
    const W p = f.capture({{0, 0, 1280, 800}, FormState::Maximized, false, false}, W::All);
    EXPECT_EQ(*p.left, 10);
    EXPECT_EQ(*p.top, 20);
    EXPECT_EQ(*p.width, 640);
    EXPECT_EQ(*p.height, 480);
    EXPECT_EQ(*p.windowState, W::Maximized);
    EXPECT_TRUE(*p.visible);

    // Back to normal and moved: the current rectangle counts again.
    const W q = f.capture({{50, 60, 700, 500}, FormState::Normal, true, false}, W::All);
    EXPECT_EQ(*q.left, 50);
    EXPECT_EQ(*q.width, 700);
    EXPECT_EQ(*q.windowState, W::Normal);
    EXPECT_TRUE(*q.stayOnTop);
    EXPECT_EQ(f.normal(), (FormRect{50, 60, 700, 500}));
}

TEST(FormPlacementTest, NeverNormalWindowFallsBackToItsCurrentRectangle) {
    FormPlacement f;
    const W p = f.capture({{0, 0, 1280, 800}, FormState::Maximized, false, false}, W::Size);
    EXPECT_EQ(*p.width, 1280);
    EXPECT_FALSE(p.left.has_value());
}

TEST(FormPlacementTest, HiddenOrMinimisedIsStoredAsStateOne) {
    FormPlacement f;
    EXPECT_EQ(*f.capture({{1, 1, 9, 9}, FormState::Minimized, false, false}, W::State).windowState,
              W::Minimized);
    const W hidden = f.capture({{1, 1, 9, 9}, FormState::Normal, false, true}, W::All);
    EXPECT_EQ(*hidden.windowState, W::Minimized);
    EXPECT_FALSE(*hidden.visible);
}

TEST(FormPlacementTest, CaptureWritesOnlyTheAskedGroups) {
    FormPlacement f;
    const FormPlacement::Snapshot s{{5, 6, 300, 200}, FormState::Normal, true, false};
    const W size = f.capture(s, W::Size);
    EXPECT_TRUE(size.width && size.height);
    EXPECT_FALSE(size.left || size.top || size.stayOnTop || size.windowState || size.visible);
    const W pos = f.capture(s, W::Position);
    EXPECT_TRUE(pos.left && pos.top && pos.stayOnTop);
    EXPECT_FALSE(pos.width || pos.windowState || pos.visible);

    IniFile ini;
    f.capture(s, W::Size | W::Position).write(ini, std::string(windowkeys::kFindDialog));
    EXPECT_EQ(ini.readInteger("RestoreWindows", key(windowkeys::kFindDialog, "_Width"), 0), 300);
    EXPECT_EQ(ini.readInteger("RestoreWindows", key(windowkeys::kFindDialog, "_Left"), 0), 5);
    EXPECT_FALSE(ini.keyExists("RestoreWindows", key(windowkeys::kFindDialog, "_WindowState")));
    EXPECT_FALSE(ini.keyExists("RestoreWindows", key(windowkeys::kFindDialog, "_Visible")));
}

FormPlacement::Design design() {
    FormPlacement::Design d;
    d.rect = {100, 100, 400, 300};
    return d;
}

TEST(FormPlacementTest, CentredWindowStaysCentredWithoutStoredTop) {
    FormPlacement::Design d = design();
    d.centred = true;
    W stored;
    stored.width = 500;
    stored.left = 7;  // a left alone does not break the centring
    RestorePlan plan = FormPlacement::plan(stored, d, W::All);
    EXPECT_TRUE(plan.centre);
    EXPECT_EQ(plan.rect.width, 500);
    stored.top = 9;
    plan = FormPlacement::plan(stored, d, W::All);
    EXPECT_FALSE(plan.centre);
    EXPECT_EQ(plan.rect, (FormRect{7, 9, 500, 300}));
    // The position group not asked for: stored top ignored, still centred.
    plan = FormPlacement::plan(stored, d, W::Size);
    EXPECT_TRUE(plan.centre);
}

TEST(FormPlacementTest, MissingOrUnusableKeysKeepTheDesign) {
    W stored;
    stored.width = 0;
    stored.height = -40;
    stored.windowState = 7;
    const RestorePlan plan = FormPlacement::plan(stored, design(), W::All);
    EXPECT_EQ(plan.rect, design().rect);
    EXPECT_EQ(plan.state, FormState::Normal);
    EXPECT_FALSE(plan.startHidden);
}

TEST(FormPlacementTest, LockedDirectionsKeepTheirDesignSize) {
    FormPlacement::Design d = design();
    d.lockHeight = true;
    W stored;
    stored.width = 900;
    stored.height = 900;
    const RestorePlan plan = FormPlacement::plan(stored, d, W::All);
    EXPECT_EQ(plan.rect.width, 900);
    EXPECT_EQ(plan.rect.height, 300);
}

TEST(FormPlacementTest, StoredMinimisedStartsHiddenOnlyForATrayWindow) {
    W stored;
    stored.windowState = W::Minimized;
    FormPlacement::Design d = design();
    RestorePlan plan = FormPlacement::plan(stored, d, W::All);
    EXPECT_EQ(plan.state, FormState::Minimized);
    EXPECT_FALSE(plan.startHidden);
    d.livesInTray = true;
    plan = FormPlacement::plan(stored, d, W::All);
    EXPECT_EQ(plan.state, FormState::Normal);
    EXPECT_TRUE(plan.startHidden);

    // Invisible without a tray would leave no way back to the window.
    W invisible;
    invisible.visible = false;
    EXPECT_FALSE(FormPlacement::plan(invisible, design(), W::All).startHidden);
    EXPECT_TRUE(FormPlacement::plan(invisible, d, W::All).startHidden);
    stored.windowState = W::Maximized;
    stored.stayOnTop = true;
    plan = FormPlacement::plan(stored, design(), W::State);
    EXPECT_EQ(plan.state, FormState::Maximized);
    EXPECT_FALSE(plan.stayOnTop);  // belongs to the position group
}

TEST(FormPlacementTest, WindowOffEveryScreenComesBackOnTheFirst) {
    const std::vector<FormRect> screens{{0, 0, 1280, 800}, {1280, 0, 1920, 1080}};
    EXPECT_EQ(FormPlacement::keepOnScreen({1500, 100, 400, 300}, screens), (FormRect{1500, 100, 400, 300}));
    EXPECT_EQ(FormPlacement::keepOnScreen({-20, -10, 400, 300}, screens), (FormRect{-20, -10, 400, 300}));
    EXPECT_EQ(FormPlacement::keepOnScreen({5000, 3000, 400, 300}, screens), (FormRect{440, 250, 400, 300}));
    EXPECT_EQ(FormPlacement::keepOnScreen({5000, 3000, 3000, 300}, screens), (FormRect{0, 250, 1280, 300}));
    EXPECT_EQ(FormPlacement::keepOnScreen({5000, 3000, 40, 30}, {}), (FormRect{5000, 3000, 40, 30}));
}

}  // namespace
}  // namespace sj
