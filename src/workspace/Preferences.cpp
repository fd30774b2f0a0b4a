#include "workspace/Preferences.h"

#include <algorithm>
#include <charconv>

#include "config/Options.h"

namespace sj {

Preferences Preferences::fromOptions(const Options& o, bool stayOnTop) {
    Preferences p;
    p.useTray = o.minimizeToTray;
    p.autoSaveFiles = o.autoSaveFiles;
    // The two automatic loads exclude each other; files win.
    p.autoLoadFavorites = o.autoLoadFavorites && !o.autoLoadFiles;
    p.noSplash = o.hideSplash;
    p.stayOnTop = stayOnTop;
    p.wordWrap = o.wordWrap;
    p.autoLoadFiles = o.autoLoadFiles;
    p.keepPosition = o.autoSavePos;
    p.makeBackups = o.makeBackups;
    p.hideMenu = o.hideMenu;
    p.hideToolbar = o.hideButtonBar;
    p.hideStatusLine = o.hideStatusBar;
    p.backupsWithBak = o.backupsWithBAK;
    p.undoAfterSave = o.undoAfterSave;
    p.directoryTracking = o.directoryTracking;
    p.convertBinaries = o.checkBinaries;
    p.multipleInstances = o.allowMultipleCopies;
    p.stackDocumentTabs = o.stackDocumentTabs;
    p.fontName = o.fontName;
    p.fontSize = o.fontSize;
    p.fontStyle = o.fontStyle;
    p.tabUnits = std::clamp(o.tabUnits, 0, 2);
    p.indentSize = std::max(1, o.indentSize);
    p.unixFormat = o.fileFormat == 1;
    p.tabSettings = o.tabSettings;
    p.fileFilters = o.fileBoxFilter;
    p.dateFilter = o.dateFilter;
    p.browser = o.useRegSettings ? std::string() : o.browserName;
    p.defaultExtension = o.fileBoxExt;
    p.pageColor = o.pageColor;
    p.textColor = o.textColor;
    return p;
}

void Preferences::applyTo(Options& o, const std::string& currentDirectory) const {
    o.minimizeToTray = useTray;
    o.autoSaveFiles = autoSaveFiles;
    o.autoLoadFiles = autoLoadFiles;
    o.autoLoadFavorites = autoLoadFavorites && !autoLoadFiles;
    o.hideSplash = noSplash;
    o.wordWrap = wordWrap;
    o.autoSavePos = keepPosition;
    o.makeBackups = makeBackups;
    o.hideMenu = hideMenu;
    o.hideButtonBar = hideToolbar;
    o.hideStatusBar = hideStatusLine;
    o.backupsWithBAK = backupsWithBak;
    o.undoAfterSave = undoAfterSave;
    if (o.directoryTracking && !directoryTracking && o.defaultDirectory.empty())
        o.defaultDirectory = currentDirectory;
    o.directoryTracking = directoryTracking;
    o.checkBinaries = convertBinaries;
    o.allowMultipleCopies = multipleInstances;
    o.stackDocumentTabs = stackDocumentTabs;
    o.fontName = fontName.substr(0, Options::kMaxFontNameChars);
    o.fontSize = fontSize;
    o.fontStyle = Options::normalizeFontStyle(fontStyle);
    o.tabUnits = std::clamp(tabUnits, 0, 2);
    o.indentSize = std::max(1, indentSize);
    o.fileFormat = unixFormat ? 1 : 0;
    o.tabSettings = tabSettings;
    if (fileFilters != o.fileBoxFilter) {
        o.fileBoxFilter = fileFilters;
        o.fileBoxFilterId = 1;
    }
    o.dateFilter = dateFilter.substr(0, Options::kMaxDateFilterChars);
    if (!o.useRegSettings || !browser.empty()) {
        o.useRegSettings = browser.empty();
        o.browserName = browser;
    }
    o.fileBoxExt = defaultExtension;
    o.pageColor = pageColor;
    o.textColor = textColor;
}

int Preferences::indentFromText(const std::string& text) {
    int n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size() || n < 1) return 1;
    return n;
}

bool Preferences::defaultColours() const {
    return pageColor == Options::kSystemWindowColor && textColor == 0;
}

}  // namespace sj
