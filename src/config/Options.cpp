#include "config/Options.h"

#include <algorithm>
#include <cstdlib>

#include "config/IniFile.h"
#include "files/FileUtils.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace sj {

namespace {

constexpr std::string_view kProgram = "Program";
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kClipbook = "Clipbook";
constexpr std::string_view kFilters = "FileFilters";
constexpr std::string_view kToolbar = "Toolbar";
constexpr std::string_view kHistory = "History";
constexpr std::string_view kAutoLoad = "AutoLoad";
constexpr std::string_view kProgramName = "superjotleaf";

std::string cutChars(const std::string& s, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxChars && pos < s.size(); ++n) utf8::decode(s, pos);
    return s.substr(0, pos);
}

// The index k of a key "<prefix>k" (k >= 1), or 0.
int numberedKeyIndex(std::string_view key, std::string_view prefix) {
    if (!ascii::startsWithIgnoringCase(key, prefix) || key.size() == prefix.size()) return 0;
    const auto n = IniFile::parseInteger(key.substr(prefix.size()));
    const bool digitsOnly = std::all_of(key.begin() + static_cast<std::ptrdiff_t>(prefix.size()), key.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
    return (n && digitsOnly && *n > 0) ? *n : 0;
}

// Values of "<prefix>1" ... "<prefix>count" in index order, empty ones left
// out. Walks the keys present, so a huge count costs nothing.
std::vector<std::string> readNumbered(const IniFile& ini, std::string_view section, std::string_view prefix,
                                      int count) {
    std::vector<std::pair<int, std::string>> found;
    for (const std::string& key : ini.readSection(section)) {
        const int k = numberedKeyIndex(key, prefix);
        if (k < 1 || k > count) continue;
        std::string v = ini.readString(section, key, "");
        if (!v.empty()) found.emplace_back(k, std::move(v));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    out.reserve(found.size());
    for (auto& [k, v] : found) out.push_back(std::move(v));
    return out;
}

void writeNumbered(IniFile& ini, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.writeString(section, std::string(prefix) + std::to_string(i + 1), values[i]);
}

// "desc|mask|desc|mask" -> {"desc|mask", "desc|mask"}.
std::vector<std::string> filterEntries(std::string_view filter) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < filter.size()) {
        auto bar = filter.find('|', start);
        if (bar != std::string_view::npos) bar = filter.find('|', bar + 1);
        const auto end = bar == std::string_view::npos ? filter.size() : bar;
        entries.emplace_back(filter.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

constexpr std::string_view kPlacementSuffixes[] = {"_Visible", "_Width",     "_Height",     "_Top",
                                                   "_Left",    "_StayOnTop", "_WindowState"};

}  // namespace

bool Options::NameLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return ascii::toUpper(x) < ascii::toUpper(y); });
}

StartupSteps Options::prepare(IniFile& ini) {
    StartupSteps steps;
    steps.storedVersion = std::max(0, ini.readInteger(kProgram, "V", 0));
    const int v = steps.storedVersion;
    steps.firstRun = v == 0;
    steps.olderPropertiesLayout = v > 0 && v < 202;
    if (v >= 1) {
        steps.renameFavoriteTxt = v < 199;
        steps.openWhatsNew = v < kVersion;
        if (v < 199) {
            ini.eraseSection(kOptions);
            ini.eraseSection(WindowPlacement::kSection);
        }
    }
    return steps;
}

std::string Options::normalizeFontStyle(std::string_view style) {
    std::string out;
    for (char letter : {'B', 'I', 'U', 'S'})
        if (std::any_of(style.begin(), style.end(), [&](char c) { return ascii::toUpper(c) == letter; }))
            out += letter;
    return out;
}

void Options::read(const IniFile& ini) {
    storedVersion = std::max(0, ini.readInteger(kProgram, "V", 0));
    if (storedVersion > 201) fileProperties = ini.readString(kOptions, "FileProperties", fileProperties);

    const auto& o = kOptions;
    minimizeToTray = ini.readBool(o, "MinimizeToTray", false);
    showSelector = ini.readBool(o, "ShowSelector", showSelector);
    scaleDialogs = ini.readBool(o, "ScaleDialogs", scaleDialogs);
    bigStatusbar = ini.readBool(o, "BigStatusbar", bigStatusbar);
    internalOVR = ini.readBool(o, "InternalOVR", internalOVR);
    const int capacity = ini.readInteger(o, "MaxStoreProperties", maxStoreProperties);
    if (capacity >= 0) maxStoreProperties = std::min(capacity, kMaxStoredProperties);
    autoLoadFiles = ini.readBool(o, "AutoLoadFiles", false);
    autoLoadFavorites = autoLoadFiles ? false : ini.readBool(o, "AutoLoadFavorites", false);
    const std::string favorite = fileutils::baseName(ini.readString(o, "FavoriteName", favoriteName));
    if (!favorite.empty()) favoriteName = favorite;
    autoSaveFiles = ini.readBool(o, "AutoSaveFiles", false);
    hideSplash = ini.readBool(o, "HideSplash", hideSplash);
    makeBackups = ini.readBool(o, "MakeBackups", false);
    autoSavePos = ini.readBool(o, "AutoSavePos", true);
    backupsWithBAK = ini.readBool(o, "BackupsWithBAK", backupsWithBAK);
    undoAfterSave = ini.readBool(o, "UndoAfterSave", undoAfterSave);
    directoryTracking = ini.readBool(o, "DirectoryTracking", directoryTracking);
    checkBinaries = ini.readBool(o, "CheckBinaries", checkBinaries);
    allowMultipleCopies = ini.readBool(o, "AllowMultipleCopies", false);
    fontName = cutChars(ini.readString(o, "FontName", "Courier New"), kMaxFontNameChars);
    if (fontName.empty()) fontName = "Courier New";
    fontSize = ini.readInteger(o, "FontSize", 10);
    if (fontSize < 1 || fontSize > kMaxFontSize) fontSize = 10;
    fontStyle = normalizeFontStyle(ini.readString(o, "FontStyle", ""));
    tabSettings = ini.readString(o, "TabSettings", tabSettings);
    tabUnits = std::clamp(ini.readInteger(o, "TabUnits", 0), 0, 2);
    autoScrollSpeed = std::clamp(ini.readInteger(o, "AutoScrollSpeed", 20), 0, kMaxAutoScrollSpeed);
    textColor = ini.readInteger(o, "TextColor", textColor);
    pageColor = ini.readInteger(o, "PageColor", pageColor);
    wordWrap = ini.readBool(o, "WordWrap", false);
    // An indent of no columns (or fewer) would make indenting a no-op.
    indentSize = std::clamp(ini.readInteger(o, "IndentSize", 1), 1, kMaxIndentSize);
    hideMenu = ini.readBool(o, "HideMenu", hideMenu);
    hideButtonBar = ini.readBool(o, "HideButtonBar", hideButtonBar);
    hideRuler = ini.readBool(o, "HideRuler", false);
    hideStatusBar = ini.readBool(o, "HideStatusBar", hideStatusBar);
    stackDocumentTabs = ini.readBool(o, "StackDocumentTabs", stackDocumentTabs);
    rulerUnits = std::clamp(ini.readInteger(o, "RulerUnits", 0), 0, 2);
    fileFormat = std::clamp(ini.readInteger(o, "FileFormat", 1), 0, 2);
    defaultDirectory = ini.readString(o, "DefaultDirectory", defaultDirectory);
    defaultSaveDirectory = ini.readString(o, "DefaultSaveDirectory", defaultSaveDirectory);
    dateFilter = cutChars(ini.readString(o, "DateFilter", dateFilter), kMaxDateFilterChars);
    useRegSettings = ini.readBool(o, "UseRegSettings", useRegSettings);
    if (!useRegSettings) browserName = ini.readString(o, "BrowserName", browserName);

    const auto& c = kClipbook;
    openClipbook = ini.readBool(c, "OpenClipbook", openClipbook);
    showClipbook = ini.readBool(c, "ShowClipbook", showClipbook);
    defaultTemplate = ini.readString(c, "DefaultTemplate", defaultTemplate);
    clipbookPosition = ini.readInteger(c, "Position", storedVersion == 0 ? 1 : 0);
    if (clipbookPosition < 0 || clipbookPosition > 2) clipbookPosition = 1;
    panelWidth = std::clamp(ini.readInteger(c, "PanelWidth", panelWidth), 0, kMaxPanelWidth);
    useDefaultFont = ini.readBool(c, "UseDefaultFont", useDefaultFont);
    listboxFont = ini.readString(c, "ListboxFont", listboxFont);

    const int filterCount = ini.readInteger(kFilters, "FilterCount", -1);
    const std::string_view filterSection = filterCount == -1 ? kOptions : kFilters;
    if (filterCount == -1) {
        fileBoxFilter = ini.readString(kOptions, "FileBoxFilter", kDefaultFileFilter);
    } else if (filterCount >= 1) {
        std::string joined;
        for (const std::string& entry : readNumbered(ini, kFilters, "FileBoxFilter_", filterCount)) {
            if (!joined.empty()) joined += '|';
            joined += entry;
        }
        // A list without any entry would leave the file dialogs with nothing to show.
        if (!joined.empty()) fileBoxFilter = joined;
    }
    fileBoxFilterId = std::clamp(ini.readInteger(filterSection, "FileBoxFilterId", fileBoxFilterId), 0, 1000);
    fileBoxExt = ini.readString(filterSection, "FileBoxExt", fileBoxExt);

    toolbar.clear();
    for (const std::string& key : ini.readSection(kToolbar))
        if (const auto value = ini.value(kToolbar, key)) toolbar.emplace_back(key, *value);

    history = readNumbered(ini, kHistory, "FileName_", ini.readInteger(kHistory, "HistoryCount", 0));
    autoLoad = readNumbered(ini, kAutoLoad, "FileName_", ini.readInteger(kAutoLoad, "LoadFiles", 0));

    std::map<std::string, bool, NameLess> windows;
    for (const std::string& key : ini.readSection(WindowPlacement::kSection)) {
        for (std::string_view suffix : kPlacementSuffixes) {
            if (key.size() <= suffix.size()) continue;
            const std::string_view tail = std::string_view(key).substr(key.size() - suffix.size());
            if (!ascii::startsWithIgnoringCase(tail, suffix)) continue;
            windows[key.substr(0, key.size() - suffix.size())] = true;
            break;
        }
    }
    for (const auto& [name, unused] : windows) placements[name] = WindowPlacement::read(ini, name);
}

void Options::write(IniFile& ini) const {
    // An older layout kept the open documents in sections File_1 ... File_n.
    const int oldFiles = ini.readInteger(kOptions, "LoadFiles", 0);
    for (const std::string& section : ini.sectionNames()) {
        const int k = numberedKeyIndex(section, "File_");
        if (k >= 1 && k <= oldFiles) ini.eraseSection(section);
    }

    ini.writeString(kProgram, "Version", kVersionText);
    ini.writeInteger(kProgram, "V", kVersion);

    const auto& o = kOptions;
    ini.writeBool(o, "MinimizeToTray", minimizeToTray);
    ini.writeBool(o, "ShowSelector", showSelector);
    ini.writeBool(o, "ScaleDialogs", scaleDialogs);
    ini.writeBool(o, "BigStatusbar", bigStatusbar);
    ini.writeBool(o, "InternalOVR", internalOVR);
    ini.writeInteger(o, "MaxStoreProperties", maxStoreProperties);
    ini.writeBool(o, "AutoLoadFiles", autoLoadFiles);
    ini.writeBool(o, "AutoLoadFavorites", autoLoadFavorites);
    ini.writeString(o, "FavoriteName", fileutils::baseName(favoriteName));
    ini.writeBool(o, "AutoSaveFiles", autoSaveFiles);
    ini.writeBool(o, "HideSplash", hideSplash);
    ini.writeBool(o, "MakeBackups", makeBackups);
    ini.writeBool(o, "AutoSavePos", autoSavePos);
    ini.writeBool(o, "BackupsWithBAK", backupsWithBAK);
    ini.writeBool(o, "UndoAfterSave", undoAfterSave);
    ini.writeBool(o, "DirectoryTracking", directoryTracking);
    ini.writeBool(o, "CheckBinaries", checkBinaries);
    ini.writeBool(o, "AllowMultipleCopies", allowMultipleCopies);
    ini.writeString(o, "FontName", fontName);
    ini.writeInteger(o, "FontSize", fontSize);
    ini.writeString(o, "FontStyle", normalizeFontStyle(fontStyle));
    ini.writeString(o, "TabSettings", tabSettings);
    ini.writeInteger(o, "TabUnits", tabUnits);
    ini.writeInteger(o, "AutoScrollSpeed", autoScrollSpeed);
    ini.writeInteger(o, "TextColor", textColor);
    ini.writeInteger(o, "PageColor", pageColor);
    ini.writeBool(o, "WordWrap", wordWrap);
    ini.writeInteger(o, "IndentSize", indentSize);
    ini.writeBool(o, "HideMenu", hideMenu);
    ini.writeBool(o, "HideButtonBar", hideButtonBar);
    ini.writeBool(o, "HideRuler", hideRuler);
    ini.writeBool(o, "HideStatusBar", hideStatusBar);
    ini.writeBool(o, "StackDocumentTabs", stackDocumentTabs);
    ini.writeInteger(o, "RulerUnits", rulerUnits);
    ini.writeInteger(o, "FileFormat", fileFormat);
    ini.writeString(o, "DefaultDirectory", defaultDirectory);
    ini.writeString(o, "DefaultSaveDirectory", defaultSaveDirectory);
    ini.writeString(o, "DateFilter", dateFilter);
    ini.writeBool(o, "UseRegSettings", useRegSettings);
    ini.writeString(o, "BrowserName", useRegSettings ? std::string() : browserName);
    if (autoSavePos && minimizeToTray) {
        const std::string main(kMainWindow);
        const auto it = placements.find(main);
        const int state = it == placements.end() ? WindowPlacement::Normal
                                                 : it->second.windowState.value_or(WindowPlacement::Normal);
        ini.writeBool(WindowPlacement::kSection, main + "_Visible", true);
        ini.writeInteger(WindowPlacement::kSection, main + "_WindowState", state);
    }

    const auto& c = kClipbook;
    ini.writeBool(c, "OpenClipbook", openClipbook);
    ini.writeBool(c, "ShowClipbook", showClipbook);
    ini.writeString(c, "DefaultTemplate", defaultTemplate);
    ini.writeInteger(c, "Position", clipbookPosition);
    ini.writeInteger(c, "PanelWidth", panelWidth);
    ini.writeBool(c, "UseDefaultFont", useDefaultFont);
    ini.writeString(c, "ListboxFont", listboxFont);

    ini.eraseSection(kFilters);
    const auto entries = filterEntries(fileBoxFilter);
    ini.writeInteger(kFilters, "FilterCount", static_cast<int>(entries.size()));
    writeNumbered(ini, kFilters, "FileBoxFilter_", entries);
    ini.writeInteger(kFilters, "FileBoxFilterId", fileBoxFilterId);
    ini.writeString(kFilters, "FileBoxExt", fileBoxExt);

    if (!toolbar.empty()) {
        ini.eraseSection(kToolbar);
        for (const auto& [key, value] : toolbar) ini.writeString(kToolbar, key, value);
    }

    ini.eraseSection(kAutoLoad);
    const std::vector<std::string> noFiles;
    const auto& open = autoLoadFiles ? autoLoad : noFiles;
    ini.writeInteger(kAutoLoad, "LoadFiles", static_cast<int>(open.size()));
    writeNumbered(ini, kAutoLoad, "FileName_", open);

    // The count includes the reopen menu's placeholder item, as it always has.
    ini.eraseSection(kHistory);
    ini.writeInteger(kHistory, "HistoryCount", static_cast<int>(history.size()) + 1);
    writeNumbered(ini, kHistory, "FileName_", history);
}

unsigned Options::mainWindowGroups() const {
    if (minimizeToTray) return WindowPlacement::Size | WindowPlacement::Position;
    return WindowPlacement::All;
}

void Options::writePlacements(IniFile& ini) const {
    for (const auto& [name, placement] : placements) {
        const bool main =
            !NameLess()(name, std::string(kMainWindow)) && !NameLess()(std::string(kMainWindow), name);
        placement.write(ini, name, main ? mainWindowGroups() : WindowPlacement::All);
    }
}

std::string Options::dataDirectory(const ConfigEnvironment& env) {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (!env.xdgConfigHome.empty() && env.xdgConfigHome.front() == '/')
        return fileutils::join(fileutils::longName(env.xdgConfigHome, "/"), kProgramName);
    const std::string home = env.home.empty() ? std::string("/") : env.home;
    return fileutils::join(fileutils::join(fileutils::longName(home, "/"), ".config"), kProgramName);
}

std::string Options::configFilePath(const std::vector<std::string>& args, const ConfigEnvironment& env) {
    const std::string dataDir = dataDirectory(env);
    for (const std::string& arg : args) {
        if (!ascii::startsWithIgnoringCase(arg, "/INI=")) continue;
        const std::string name = arg.substr(5);
        if (name.empty() || name.back() == '/') break;  // no file name: the default serves
        const std::string file = fileutils::changeExtension(name, "INI");
        if (file.find('/') == std::string::npos) return fileutils::join(dataDir, file);
        return fileutils::longName(file, env.currentDirectory);
    }
    return fileutils::join(dataDir, std::string(kProgramName) + ".INI");
}

}  // namespace sj
