#pragma once
// Every printing setting of the program with its default, the text forms the
// dialog and the configuration file use, and reading and writing the
// "Printing" section. Enumerations are stored as their ordinals.
#include <string>
#include <string_view>

#include "config/FontText.h"

namespace sj {

class IniFile;

enum class LengthUnits { Inches = 0, Centimeters = 1, Pixels = 2, Characters = 3 };
enum class PrintRange { AllPages = 0, Selection = 1, PageNumbers = 2 };
enum class PageParity { All = 0, Odd = 1, Even = 2 };
enum class PageNumberPosition {
    None = 0,
    TopLeft,
    TopRight,
    TopCenter,
    BottomLeft,
    BottomRight,
    BottomCenter
};
enum class PageInfo { None = 0, Date, Title, DateTitle, TitleDate };

// What the print dialog offers.
struct PrintDialogOptions {
    bool printToFile = false;
    bool pageNumbers = true;
    bool selection = true;
    bool warning = false;
    bool help = true;
    bool disablePrintToFile = false;

    bool operator==(const PrintDialogOptions&) const = default;
};

struct PrintSettings {
    static constexpr std::size_t kMaxFontName = 31;
    static constexpr std::size_t kMaxNumberFormat = 20;
    static constexpr std::size_t kMaxDateFilter = 80;
    static constexpr std::size_t kMaxSection = 20;
    static constexpr const char* kDefaultSection = "Printing";

    bool autoSave = true;
    bool disableDocFont = false;
    bool noPrinting = false;
    int helpContext = 22;
    double marginLeft = 1.0, marginRight = 1.0, marginTop = 1.0, marginBottom = 1.0;
    int fromPage = 1;
    int toPage = 0;  // 0: to the end
    int copies = 1;
    bool collate = false;
    PageParity printPages = PageParity::All;
    bool printToFile = false;
    LengthUnits lengthUnits = LengthUnits::Inches;
    PrintRange printRange = PrintRange::AllPages;
    PageNumberPosition pageNumbers = PageNumberPosition::None;
    PrintDialogOptions options;
    bool landscape = false;
    std::string printFile;
    LengthUnits tabUnits = LengthUnits::Characters;
    std::string tabSettings;
    bool wordWrap = true;
    std::string title;
    std::string numberFormat = "Page %d";
    std::string iniSection;
    std::string dateFilter;
    PageInfo pageHeader = PageInfo::None;
    PageInfo pageFooter = PageInfo::None;
    bool useDocFont = true;
    std::string fontName = "Courier New";
    int fontSize = 10;
    FontStyle fontStyles;
    bool useTabs = true;

    bool operator==(const PrintSettings&) const = default;

    // The section that is read and written: iniSection (cut to 20
    // characters), or "Printing" when empty.
    std::string section() const;
    // A missing key keeps the current value.
    void load(const IniFile& ini);
    void save(IniFile& ini) const;

    // Whole pixels in Pixels, otherwise exactly two decimals.
    static std::string marginText(double value, LengthUnits units);
    // Accepts "," or "." as the decimal separator; empty gives 0; false when
    // the text is not a number.
    static bool parseMargin(std::string_view text, double& value);

    // A user's number format: cut to 20 characters; a non-empty one without
    // "%d" (any case) gains " %d" within the limit.
    static std::string normalisedNumberFormat(std::string_view format);
};

}  // namespace sj
