#pragma once
// The program-wide preferences as one record: filled from the option set,
// edited by the preferences dialog on a copy, and given back to the option set
// only when the user says OK.
#include <string>

namespace sj {

struct Options;

struct Preferences {
    bool useTray = false;
    bool autoSaveFiles = false;
    bool autoLoadFavorites = false;
    bool noSplash = false;
    bool stayOnTop = false;
    bool wordWrap = false;
    bool autoLoadFiles = false;
    bool keepPosition = true;
    bool makeBackups = false;
    bool hideMenu = false;
    bool hideToolbar = false;
    bool hideStatusLine = false;
    bool backupsWithBak = false;
    bool undoAfterSave = false;
    bool directoryTracking = true;
    bool convertBinaries = false;
    bool multipleInstances = false;
    bool stackDocumentTabs = false;
    std::string fontName;
    int fontSize = 10;
    std::string fontStyle;  // "BIUS" letters
    int tabUnits = 0;       // 0 inches, 1 centimetres, 2 pixels
    int indentSize = 1;
    bool unixFormat = false;
    std::string tabSettings;  // in tabUnits
    std::string fileFilters;  // description|wild cards|...
    std::string dateFilter;
    std::string browser;  // empty: the desktop's browser
    std::string defaultExtension;
    int pageColor = 0;
    int textColor = 0;

    bool operator==(const Preferences&) const = default;

    static Preferences fromOptions(const Options& options, bool stayOnTop);

    // Gives every field to the option set. A changed filter list makes the
    // file dialogs start at its first entry again; switching directory
    // tracking off without a default directory fixes the current one; an
    // empty browser means the desktop's browser, unless that was already the
    // choice (then a browser name kept in the configuration survives).
    void applyTo(Options& options, const std::string& currentDirectory) const;

    // "0", empty or not a number give 1: an indent is at least one character.
    static int indentFromText(const std::string& text);
    // The colours the "Default" box stands for: the window background and black.
    bool defaultColours() const;
};

}  // namespace sj
