#include "workspace/DocumentSettings.h"

#include "config/TabStops.h"

namespace sj {

std::string convertTabText(std::string_view text, int fromUnit, int toUnit, double pixelsPerInch) {
    if (fromUnit < 0 || fromUnit > 2 || toUnit < 0 || toUnit > 2) return std::string(text);
    TabStops stops(static_cast<TabUnit>(fromUnit));
    stops.setText(text);
    stops.setUnit(static_cast<TabUnit>(toUnit), pixelsPerInch);
    return stops.text();
}

bool isTabTextChar(char32_t c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == ';';
}

bool refusedInTabText(char32_t c) {
    return c >= 0x20 && c != 0x7f && !isTabTextChar(c);
}

}  // namespace sj
