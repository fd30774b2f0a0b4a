#pragma once
// The option set: every key of the configuration file, held in memory from
// start-up to shut-down. Other parts read and change it in memory; it reaches
// the file only through write() at shut-down. Reading passes the value in
// memory as the default for most keys, so a missing or malformed key changes
// nothing.
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/WindowKeys.h"
#include "config/WindowPlacement.h"

namespace sj {

class IniFile;

// What start-up must do before and after reading, decided by the stored version.
struct StartupSteps {
    int storedVersion = 0;
    bool firstRun = false;               // no configuration file yet: open "Readme.txt"
    bool openWhatsNew = false;           // older release ran before: open "WhatsNew.txt"
    bool renameFavoriteTxt = false;      // "Favorite.txt" -> "Favorite.fvr" in the data directory
    bool olderPropertiesLayout = false;  // the file properties store has the older layout
};

// Where the configuration file is looked for.
struct ConfigEnvironment {
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
    std::string home;           // $HOME
    std::string currentDirectory;
};

struct Options {
    static constexpr int kVersion = 2635;
    // Every number read from the file is held within these, so no later
    // arithmetic on it can overflow.
    static constexpr int kMaxStoredProperties = 100000;
    static constexpr int kMaxFontSize = 1638;
    static constexpr int kMaxAutoScrollSpeed = 65535;
    static constexpr int kMaxIndentSize = 99;
    static constexpr int kMaxPanelWidth = 100000;
    static constexpr std::string_view kVersionText = "2.63e";
    static constexpr std::string_view kMainWindow = windowkeys::kMainWindow;
    static constexpr std::string_view kDefaultFileFilter =
        "Text files (*.txt)|*.txt|DOS Ascii (*.txt;*.asc)|*.txt;*.asc|HTML files "
        "(*.htm;*.html;*.shtml)|*.htm;*.html;*.shtml|Ini files (*.ini)|*.ini|Batch files "
        "(*.bat)|*.bat|All files (*.*)|*.*";
    static constexpr int kSystemWindowColor = -2147483643;
    static constexpr std::size_t kMaxFontNameChars = 31;
    static constexpr std::size_t kMaxDateFilterChars = 80;

    // [Program]
    int storedVersion = 0;  // V as read; 0 = first run

    // [Options]
    bool minimizeToTray = false;
    bool showSelector = false;
    bool scaleDialogs = false;
    bool bigStatusbar = false;
    bool internalOVR = false;
    int maxStoreProperties = 100;
    bool autoLoadFiles = false;
    bool autoLoadFavorites = false;
    std::string favoriteName = "Favorite";  // bare name, no directory or extension
    bool autoSaveFiles = false;
    bool hideSplash = false;
    bool makeBackups = false;
    bool autoSavePos = true;
    bool allowMultipleCopies = false;
    bool backupsWithBAK = false;
    bool undoAfterSave = false;
    bool directoryTracking = true;
    bool checkBinaries = false;
    std::string fontName = "Courier New";
    int fontSize = 10;
    std::string fontStyle;  // letters of "BIUS", in that order
    std::string tabSettings;
    int tabUnits = 0;
    int autoScrollSpeed = 20;
    int textColor = 0;
    int pageColor = kSystemWindowColor;
    bool wordWrap = false;
    int indentSize = 1;
    bool hideMenu = false;
    bool hideButtonBar = false;
    bool hideRuler = false;
    bool hideStatusBar = false;
    bool stackDocumentTabs = false;
    int rulerUnits = 0;
    int fileFormat = 1;                // new documents get LF breaks, as Linux tools expect
    std::string defaultDirectory;      // set to the current directory before reading
    std::string defaultSaveDirectory;  // likewise
    // The directory the program started in; not stored. With directory tracking
    // the open dialog of a page without a file starts here.
    std::string startDirectory;
    std::string dateFilter;
    bool useRegSettings = true;
    std::string browserName;
    std::string fileProperties = "FileProp.inf";  // read only, never written

    // [Clipbook]
    bool openClipbook = false;
    bool showClipbook = false;
    std::string defaultTemplate = "Clipbook";
    int clipbookPosition = 1;
    int panelWidth = 0;  // 0: the pane's own width
    bool useDefaultFont = true;
    std::string listboxFont;  // empty: the main window's font

    // [FileFilters]
    std::string fileBoxFilter{kDefaultFileFilter};  // description|mask|description|mask...
    int fileBoxFilterId = 1;
    std::string fileBoxExt = "txt";

    // [History]: reopen list, top entry first. Read as stored; entries whose
    // file is gone are dropped by the reopen list.
    std::vector<std::string> history;
    // [AutoLoad]: documents open at exit, in tab order. Written only with
    // autoLoadFiles; read always (start-up decides whether to open them).
    std::vector<std::string> autoLoad;

    // [Toolbar], kept as its keys and values in file order: the toolbar reads
    // and writes its own layout from them. Written only when not empty.
    std::vector<std::pair<std::string, std::string>> toolbar;

    // [RestoreWindows], by window name (compared without letter case).
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, WindowPlacement, NameLess> placements;

    // Reads V, applies the migrations that change the file (sections
    // "Options" and "RestoreWindows" of a release before 199 are erased) and
    // tells start-up what else to do. Call before read().
    static StartupSteps prepare(IniFile& ini);

    // Reads every section, in the order start-up reads them.
    void read(const IniFile& ini);
    // Writes every section (not the placements, see writePlacements), in the
    // order shut-down writes them.
    void write(IniFile& ini) const;
    // Writes the stored placements of all windows. With MinimizeToTray the
    // main window leaves out its visibility and state, which write() gives.
    void writePlacements(IniFile& ini) const;

    // Groups of the main window's placement that writePlacements() writes.
    unsigned mainWindowGroups() const;

    // Canonical "BIUS" subset from letters in any order and case.
    static std::string normalizeFontStyle(std::string_view style);

    // $XDG_CONFIG_HOME/superjotleaf, else ~/.config/superjotleaf.
    static std::string dataDirectory(const ConfigEnvironment& env);
    // "/INI=name" (first such argument, any letter case) with its extension
    // forced to ".INI": a bare name lies in the data directory, a name with a
    // directory is made absolute. Otherwise "superjotleaf.INI" in the data
    // directory.
    static std::string configFilePath(const std::vector<std::string>& args, const ConfigEnvironment& env);

    bool operator==(const Options&) const = default;
};

}  // namespace sj
