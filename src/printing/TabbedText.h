#pragma once
// Widths and drawing positions of a line with its tabs expanded. Stops are
// printer pixels from the left margin; past the last stop, and with no stops
// at all, tabs fall every eight average character widths. Without tab
// expansion a tab takes the room of one blank.
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrintSettings.h"

namespace sj {

class FontMeasure;

// A piece of text drawn at x (and y, for pages).
struct TextRun {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const TextRun&) const = default;
};

class TabbedText {
public:
    TabbedText(const FontMeasure& font, std::vector<int> stops, bool useTabs);

    int width(std::string_view line) const;
    // The line cut at its tabs, each piece at its place from x (y left 0).
    std::vector<TextRun> runs(std::string_view line, int x) const;
    const FontMeasure& font() const { return m_font; }

    // The stops of a tab-stop list text ("0.5;1.25") in printer pixels,
    // extended to 32 by the first stop's distance. Characters give none.
    static std::vector<int> stopsInPixels(std::string_view tabSettings, LengthUnits units, int dpiX);

private:
    int nextStop(int x) const;

    const FontMeasure& m_font;
    std::vector<int> m_stops;
    bool m_useTabs;
    int m_defaultInterval;
    int m_blank;
};

}  // namespace sj
