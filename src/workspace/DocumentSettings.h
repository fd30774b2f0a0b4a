#pragma once
// The settings of one document as the properties dialog edits them, and the
// conversion of its tab-settings text between units.
#include <string>
#include <string_view>

namespace sj {

struct DocumentSettings {
    bool wordWrap = false;
    bool dosCharacterSet = false;
    bool unixFormat = false;
    bool useDefaults = true;
    std::string fontName;
    int fontSize = 10;
    std::string fontStyle;  // "BIUS" letters
    int tabUnits = 0;       // 0 inches, 1 centimetres, 2 pixels
    std::string tabSettings;
};

// The tab text in another unit: each value converted, sorted, duplicates and
// values that are not numbers dropped, whole numbers for pixels, two decimals
// otherwise. pixelsPerInch 0 leaves pixel conversions as they are.
std::string convertTabText(std::string_view text, int fromUnit, int toUnit, double pixelsPerInch);

// Characters the tab-settings field takes.
bool isTabTextChar(char32_t c);
// A typed character the tab-settings field refuses with a beep: anything
// printable that is not a digit, "," "." or ";". Keys that edit or move
// (backspace, Enter, Esc) keep their meaning.
bool refusedInTabText(char32_t c);

}  // namespace sj
