#include "printing/TabbedText.h"

#include <cmath>

#include "config/TabStops.h"
#include "printing/FontMeasure.h"

namespace sj {

TabbedText::TabbedText(const FontMeasure& font, std::vector<int> stops, bool useTabs)
    : m_font(font),
      m_stops(std::move(stops)),
      m_useTabs(useTabs),
      m_defaultInterval(8 * font.averageCharWidth()),
      m_blank(font.textWidth(" ")) {}

int TabbedText::nextStop(int x) const {
    for (int stop : m_stops)
        if (stop > x) return stop;
    if (!m_stops.empty()) {
        const int step = m_stops.front();
        if (step <= 0) return x + 1;
        int stop = m_stops.back();
        while (stop <= x) stop += step;
        return stop;
    }
    if (m_defaultInterval <= 0) return x + 1;
    return (x / m_defaultInterval + 1) * m_defaultInterval;
}

int TabbedText::width(std::string_view line) const {
    int x = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        x += m_font.textWidth(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return x;
        x = m_useTabs ? nextStop(x) : x + m_blank;
        start = tab + 1;
    }
}

std::vector<TextRun> TabbedText::runs(std::string_view line, int x) const {
    std::vector<TextRun> out;
    int pos = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        const std::string_view piece = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (!piece.empty()) out.push_back({x + pos, 0, std::string(piece)});
        pos += m_font.textWidth(piece);
        if (tab == std::string_view::npos) return out;
        pos = m_useTabs ? nextStop(pos) : pos + m_blank;
        start = tab + 1;
    }
}

std::vector<int> TabbedText::stopsInPixels(std::string_view tabSettings, LengthUnits units, int dpiX) {
    if (units == LengthUnits::Characters) return {};
    if (units != LengthUnits::Pixels && dpiX <= 0) return {};
    TabStops list(TabUnit::Inches, false);
    list.setText(tabSettings);
    std::vector<int> stops;
    for (double p : list.positions()) {
        double px = p;
        if (units == LengthUnits::Inches) px = p * dpiX;
        if (units == LengthUnits::Centimeters) px = p * dpiX / 2.54;
        const int rounded = static_cast<int>(std::lround(px));
        if (rounded > 0 && (stops.empty() || rounded > stops.back())) stops.push_back(rounded);
    }
    if (stops.empty()) return stops;
    const int step = stops.front();
    while (stops.size() < TabStops::kMaxStops) stops.push_back(stops.back() + step);
    return stops;
}

}  // namespace sj
