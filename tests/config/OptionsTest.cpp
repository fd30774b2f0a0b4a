#include "config/Options.h"

#include <gtest/gtest.h>

#include "config/WindowKeys.h"

#include "config/IniFile.h"

namespace sj {
namespace {
// A placement key as the configuration file stores it.
std::string key(std::string_view prefix, const char* suffix) {
    return std::string(prefix) + suffix;
}

IniFile iniOf(const std::string& text) {
    IniFile ini;
    ini.parse(text);
    return ini;
}

TEST(OptionsMigration, FirstRunUsesBuiltInValues) {
    IniFile ini;
    const StartupSteps steps = Options::prepare(ini);
    EXPECT_TRUE(steps.firstRun);
    EXPECT_FALSE(steps.openWhatsNew);
    EXPECT_FALSE(steps.renameFavoriteTxt);
    Options o;
    o.read(ini);
    Options builtIn;
    EXPECT_EQ(o, builtIn);
    EXPECT_EQ(o.clipbookPosition, 1);
    EXPECT_EQ(o.pageColor, -2147483643);

    o.write(ini);
    EXPECT_EQ(ini.readInteger("Program", "V", 0), 2635);
    EXPECT_EQ(ini.readString("Program", "Version", ""), "2.63e");
    EXPECT_FALSE(ini.keyExists("Options", "FileProperties"));
}

TEST(OptionsMigration, ReleaseBefore199ErasesOptionsAndPlacements) {
    IniFile ini = iniOf(
        "[Program]\nV=150\n[Options]\nFontSize=22\nWordWrap=1\n[RestoreWindows]\nTQVA_FrmNotepad_Width=900\n"
        "[Clipbook]\nDefaultTemplate=Mine\n");
    const StartupSteps steps = Options::prepare(ini);
    EXPECT_FALSE(steps.firstRun);
    EXPECT_TRUE(steps.renameFavoriteTxt);
    EXPECT_TRUE(steps.openWhatsNew);
    EXPECT_TRUE(steps.olderPropertiesLayout);
    EXPECT_FALSE(ini.sectionExists("Options"));
    EXPECT_FALSE(ini.sectionExists("RestoreWindows"));
    Options o;
    o.read(ini);
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_FALSE(o.wordWrap);
    EXPECT_TRUE(o.placements.empty());
    EXPECT_EQ(o.defaultTemplate, "Mine");
    EXPECT_EQ(o.clipbookPosition, 0);  // not a first run
}

TEST(OptionsMigration, VersionThresholds) {
    IniFile a = iniOf("[Program]\nV=250\n");
    const StartupSteps mid = Options::prepare(a);
    EXPECT_TRUE(mid.openWhatsNew);
    EXPECT_FALSE(mid.renameFavoriteTxt);
    EXPECT_FALSE(mid.olderPropertiesLayout);
    IniFile b = iniOf("[Program]\nV=2635\n");
    EXPECT_FALSE(Options::prepare(b).openWhatsNew);
    IniFile c = iniOf("[Program]\nV=junk\n");
    EXPECT_TRUE(Options::prepare(c).firstRun);

    // FileProperties is honoured only after release 201.
    Options old;
    old.read(iniOf("[Program]\nV=201\n[Options]\nFileProperties=Other.inf\n"));
    EXPECT_EQ(old.fileProperties, "FileProp.inf");
    Options current;
    current.read(iniOf("[Program]\nV=202\n[Options]\nFileProperties=Other.inf\n"));
    EXPECT_EQ(current.fileProperties, "Other.inf");
}

TEST(OptionsRead, MalformedValuesFallBack) {
    Options o;
    o.showSelector = true;  // a "mem" key keeps the value in memory
    o.read(
        iniOf("[Program]\nV=2635\n[Options]\nShowSelector=x\nFontSize=big\nIndentSize=0\nFontStyle=usib\n"
              "FontName=" +
              std::string(40, 'F') +
              "\nAutoLoadFiles=1\nAutoLoadFavorites=1\nFavoriteName=/home/u/lists/Work.fvr\n"
              "UseRegSettings=1\nBrowserName=firefox\nPageColor=0x80000005\n"
              "[Clipbook]\nPosition=7\n"));
    EXPECT_TRUE(o.showSelector);
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_EQ(o.indentSize, 1);
    EXPECT_EQ(o.fontStyle, "BIUS");
    EXPECT_EQ(o.fontName, std::string(31, 'F'));
    EXPECT_TRUE(o.autoLoadFiles);
    EXPECT_FALSE(o.autoLoadFavorites);
    EXPECT_EQ(o.favoriteName, "Work");
    EXPECT_EQ(o.browserName, "");
    EXPECT_EQ(o.pageColor, -2147483643);
    EXPECT_EQ(o.clipbookPosition, 1);
}

TEST(OptionsRead, NumbersFromTheFileAreHeldInRange) {
    Options o;
    o.read(
        iniOf("[Program]\nV=2635\n[Options]\nFontSize=2147483647\nIndentSize=100000\nTabUnits=-5\n"
              "AutoScrollSpeed=99999999\nRulerUnits=9\nFileFormat=-1\nMaxStoreProperties=2000000000\n"
              "TabSettings=21439770\n[Clipbook]\nPanelWidth=-2147483648\n"));
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_EQ(o.indentSize, Options::kMaxIndentSize);
    EXPECT_EQ(o.tabUnits, 0);
    EXPECT_EQ(o.autoScrollSpeed, Options::kMaxAutoScrollSpeed);
    EXPECT_EQ(o.rulerUnits, 2);
    EXPECT_EQ(o.fileFormat, 0);
    EXPECT_EQ(o.maxStoreProperties, Options::kMaxStoredProperties);
    EXPECT_EQ(o.panelWidth, 0);
}

TEST(OptionsRead, FileFilterLayouts) {
    Options older;
    older.read(iniOf("[Options]\nFileBoxFilter=C (*.c)|*.c\nFileBoxFilterId=2\nFileBoxExt=c\n"));
    EXPECT_EQ(older.fileBoxFilter, "C (*.c)|*.c");
    EXPECT_EQ(older.fileBoxFilterId, 2);
    EXPECT_EQ(older.fileBoxExt, "c");

    Options newer;
    newer.read(
        iniOf("[Options]\nFileBoxExt=ignored\n[FileFilters]\nFilterCount=3\nFileBoxFilter_1=A|*.a\n"
              "FileBoxFilter_2=\nFileBoxFilter_3=B|*.b\nFileBoxFilter_4=C|*.c\nFileBoxExt=b\n"));
    EXPECT_EQ(newer.fileBoxFilter, "A|*.a|B|*.b");
    EXPECT_EQ(newer.fileBoxExt, "b");

    Options zero;
    zero.fileBoxFilter = "Mine|*.m";
    zero.read(iniOf("[FileFilters]\nFilterCount=0\n"));
    EXPECT_EQ(zero.fileBoxFilter, "Mine|*.m");

    Options allEmpty;
    allEmpty.read(iniOf("[FileFilters]\nFilterCount=2\nFileBoxFilter_1=\n"));
    EXPECT_EQ(allEmpty.fileBoxFilter, Options::kDefaultFileFilter);

    IniFile out;
    newer.write(out);
    EXPECT_EQ(out.readInteger("FileFilters", "FilterCount", 0), 2);
    EXPECT_EQ(out.readString("FileFilters", "FileBoxFilter_2", ""), "B|*.b");
}

TEST(OptionsRead, HistoryAndAutoLoadLists) {
    Options o;
    o.read(iniOf(
        "[History]\nHistoryCount=2147483647\nFileName_3=/c\nFileName_1=/a\nFileName_2=\nFileName_x=/no\n"
        "[AutoLoad]\nLoadFiles=2\nFileName_1=/one\nFileName_2=/two\nFileName_3=/three\n"));
    EXPECT_EQ(o.history, (std::vector<std::string>{"/a", "/c"}));
    EXPECT_EQ(o.autoLoad, (std::vector<std::string>{"/one", "/two"}));

    IniFile out;
    o.write(out);
    // The placeholder item of the reopen menu counts too.
    EXPECT_EQ(out.readInteger("History", "HistoryCount", 0), 3);
    EXPECT_EQ(out.readString("History", "FileName_2", ""), "/c");
    // Open documents are remembered only with AutoLoadFiles.
    EXPECT_EQ(out.readInteger("AutoLoad", "LoadFiles", -1), 0);
    EXPECT_FALSE(out.keyExists("AutoLoad", "FileName_1"));
}

TEST(OptionsWrite, RoundTripGivesTheSameOptions) {
    Options o;
    o.storedVersion = Options::kVersion;
    o.minimizeToTray = o.showSelector = o.scaleDialogs = o.bigStatusbar = o.internalOVR = true;
    o.maxStoreProperties = 250;
    o.autoLoadFiles = true;
    o.favoriteName = "Projects";
    o.autoSaveFiles = o.hideSplash = o.makeBackups = true;
    o.autoSavePos = false;
    o.allowMultipleCopies = o.backupsWithBAK = o.undoAfterSave = true;
    o.directoryTracking = false;
    o.checkBinaries = true;
    o.fontName = "DejaVu Sans Mono";
    o.fontSize = 13;
    o.fontStyle = "BU";
    o.tabSettings = "0.5;1.25";
    o.tabUnits = 2;
    o.autoScrollSpeed = 35;
    o.textColor = 0x00112233;
    o.pageColor = 0x00FFEEDD;
    o.wordWrap = true;
    o.indentSize = 4;
    o.hideMenu = o.hideButtonBar = o.hideRuler = o.hideStatusBar = o.stackDocumentTabs = true;
    o.rulerUnits = 1;
    o.fileFormat = 1;
    o.defaultDirectory = "/home/u/docs";
    o.defaultSaveDirectory = "/home/u/out dir";
    o.dateFilter = "dd.mm.yyyy hh:nn";
    o.useRegSettings = false;
    o.browserName = "/usr/bin/browser --new-window";
    o.openClipbook = o.showClipbook = true;
    o.defaultTemplate = "Snippets";
    o.clipbookPosition = 2;
    o.panelWidth = 240;
    o.useDefaultFont = false;
    o.listboxFont = "Sans;9;B;0";
    o.fileBoxFilter = "A|*.a|B|*.b;*.bb";
    o.fileBoxFilterId = 2;
    o.fileBoxExt = "md";
    o.history = {"/x/one.txt", "/x/two words.txt"};
    o.autoLoad = {"/y/a.txt"};
    WindowPlacement p;
    p.width = 800;
    p.height = 600;
    p.top = -10;
    p.left = 20;
    p.stayOnTop = true;
    p.visible = true;
    p.windowState = WindowPlacement::Maximized;
    o.placements["JumpDialog"] = p;

    IniFile ini;
    o.write(ini);
    o.writePlacements(ini);
    IniFile reread;
    reread.parse(ini.serialize());
    Options back;
    back.read(reread);
    EXPECT_EQ(back, o);
}

TEST(OptionsWrite, CleansOldLayoutAndTrayPlacement) {
    IniFile ini = iniOf(
        "[Options]\nLoadFiles=2\n[File_1]\nName=a\n[File_2]\nName=b\n[File_3]\nName=c\n"
        "[FileFilters]\nFileBoxFilter_9=stale\n");
    Options o;
    o.minimizeToTray = true;
    o.autoSavePos = true;
    WindowPlacement main;
    main.width = 640;
    main.visible = false;
    main.windowState = WindowPlacement::Minimized;
    o.placements[std::string(windowkeys::kMainWindow)] = main;
    o.write(ini);
    EXPECT_FALSE(ini.sectionExists("File_1"));
    EXPECT_FALSE(ini.sectionExists("File_2"));
    EXPECT_TRUE(ini.sectionExists("File_3"));
    EXPECT_FALSE(ini.keyExists("FileFilters", "FileBoxFilter_9"));
    EXPECT_EQ(ini.readString("RestoreWindows", key(windowkeys::kMainWindow, "_Visible"), ""), "1");
    EXPECT_EQ(ini.readInteger("RestoreWindows", key(windowkeys::kMainWindow, "_WindowState"), 0), 1);
    // In the tray the placement itself leaves visibility and state alone.
    o.writePlacements(ini);
    EXPECT_EQ(ini.readString("RestoreWindows", key(windowkeys::kMainWindow, "_Visible"), ""), "1");
    EXPECT_EQ(ini.readInteger("RestoreWindows", key(windowkeys::kMainWindow, "_Width"), 0), 640);
}

TEST(WindowPlacementTest, MissingAndInvalidKeysStayEmpty) {
    const IniFile ini = iniOf("[RestoreWindows]\nW_Width=0x100\nW_WindowState=5\nW_Top=abc\n");
    const WindowPlacement p = WindowPlacement::read(ini, "w");
    EXPECT_EQ(p.width, 256);
    EXPECT_FALSE(p.height.has_value());
    EXPECT_FALSE(p.top.has_value());
    EXPECT_FALSE(p.windowState.has_value());
    const WindowPlacement sizeOnly = WindowPlacement::read(ini, "W", WindowPlacement::Position);
    EXPECT_FALSE(sizeOnly.width.has_value());
}

TEST(ConfigLocation, DataDirectoryAndIniSwitch) {
    ConfigEnvironment env{"", "/home/u", "/work"};
    EXPECT_EQ(Options::dataDirectory(env), "/home/u/.config/superjotleaf");
    EXPECT_EQ(Options::configFilePath({"file.txt"}, env), "/home/u/.config/superjotleaf/superjotleaf.INI");
    EXPECT_EQ(Options::configFilePath({"/ini=work", "/INI=other"}, env),
              "/home/u/.config/superjotleaf/work.INI");
    EXPECT_EQ(Options::configFilePath({"/INI=/a/b.cfg"}, env), "/a/b.INI");
    EXPECT_EQ(Options::configFilePath({"/INI=sub/x.cfg"}, env), "/work/sub/x.INI");
    EXPECT_EQ(Options::configFilePath({"/INI="}, env), "/home/u/.config/superjotleaf/superjotleaf.INI");

    env.xdgConfigHome = "/cfg/";
    EXPECT_EQ(Options::dataDirectory(env), "/cfg/superjotleaf");
    env.xdgConfigHome = "relative";
    EXPECT_EQ(Options::dataDirectory(env), "/home/u/.config/superjotleaf");
}

}  // namespace
}  // namespace sj
