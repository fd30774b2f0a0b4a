#include <gtest/gtest.h>

#include "config/Options.h"
#include "workspace/Preferences.h"

using namespace sj;

TEST(Preferences, RecordRoundTripsEveryOption) {
    Options o;
    o.minimizeToTray = true;
    o.autoSaveFiles = true;
    o.hideMenu = true;
    o.hideButtonBar = true;
    o.hideStatusBar = true;
    o.fontName = "Mono";
    o.fontStyle = "BI";
    o.tabUnits = 1;
    o.tabSettings = "1.27;2.54";
    o.indentSize = 4;
    o.fileFormat = 1;
    o.dateFilter = "yyyy";
    o.useRegSettings = false;
    o.browserName = "firefox";
    o.fileBoxExt = "md";
    o.textColor = 255;
    const Preferences p = Preferences::fromOptions(o, true);
    EXPECT_TRUE(p.stayOnTop);
    EXPECT_EQ(p.browser, "firefox");
    Options back;
    p.applyTo(back, "/tmp");
    EXPECT_EQ(Preferences::fromOptions(back, true), p);
    EXPECT_EQ(back.tabSettings, o.tabSettings);
    EXPECT_FALSE(back.useRegSettings);
}

TEST(Preferences, AutoLoadOfFilesAndFavoritesExcludeEachOther) {
    Options o;
    o.autoLoadFiles = true;
    o.autoLoadFavorites = true;
    EXPECT_FALSE(Preferences::fromOptions(o, false).autoLoadFavorites);
    Preferences p;
    p.autoLoadFiles = true;
    p.autoLoadFavorites = true;
    p.applyTo(o, "/");
    EXPECT_FALSE(o.autoLoadFavorites);
}

TEST(Preferences, BrowserChoiceKeepsAStoredNameWhileTheDesktopBrowserIsUsed) {
    Options o;
    o.useRegSettings = true;
    o.browserName = "kept";
    Preferences p = Preferences::fromOptions(o, false);
    EXPECT_EQ(p.browser, "");
    p.applyTo(o, "/");
    EXPECT_TRUE(o.useRegSettings);
    EXPECT_EQ(o.browserName, "kept");
    p.browser = "lynx";
    p.applyTo(o, "/");
    EXPECT_FALSE(o.useRegSettings);
    p.browser.clear();
    p.applyTo(o, "/");
    EXPECT_TRUE(o.useRegSettings);
    EXPECT_EQ(o.browserName, "");
}

TEST(Preferences, AChangedFilterListStartsTheDialogsAtItsFirstEntry) {
    Options o;
    o.fileBoxFilterId = 4;
    Preferences p = Preferences::fromOptions(o, false);
    p.applyTo(o, "/");
    EXPECT_EQ(o.fileBoxFilterId, 4);
    p.fileFilters = "A|*.a";
    p.applyTo(o, "/");
    EXPECT_EQ(o.fileBoxFilterId, 1);
    EXPECT_EQ(o.fileBoxFilter, "A|*.a");
}

TEST(Preferences, DirectoryTrackingOffFixesTheCurrentDirectoryWhenNoneIsSet) {
    Options o;
    o.directoryTracking = true;
    o.defaultDirectory.clear();
    Preferences p = Preferences::fromOptions(o, false);
    p.directoryTracking = false;
    p.applyTo(o, "/work");
    EXPECT_EQ(o.defaultDirectory, "/work");
    o.directoryTracking = true;
    o.defaultDirectory = "/set";
    p.applyTo(o, "/work");
    EXPECT_EQ(o.defaultDirectory, "/set");
}

TEST(Preferences, IndentSizeIsAtLeastOneAndTextsAreCut) {
    EXPECT_EQ(Preferences::indentFromText("0"), 1);
    EXPECT_EQ(Preferences::indentFromText(""), 1);
    EXPECT_EQ(Preferences::indentFromText("12"), 12);
    Options o;
    Preferences p;
    p.indentSize = 0;
    p.dateFilter = std::string(100, 'd');
    p.fontName = std::string(40, 'f');
    p.applyTo(o, "/");
    EXPECT_EQ(o.indentSize, 1);
    EXPECT_EQ(o.dateFilter.size(), 80u);
    EXPECT_EQ(o.fontName.size(), 31u);
}

TEST(Preferences, DefaultColoursAreTheWindowBackgroundAndBlack) {
    Preferences p;
    p.pageColor = Options::kSystemWindowColor;
    p.textColor = 0;
    EXPECT_TRUE(p.defaultColours());
    p.textColor = 1;
    EXPECT_FALSE(p.defaultColours());
}
