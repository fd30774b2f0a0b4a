#pragma once
// The widths and heights the page layout needs of the print font, in printer
// pixels. The printer side measures with the real font; tests and benchmarks
// use FixedWidthMeasure.
#include <string_view>

namespace sj {

class FontMeasure {
public:
    virtual ~FontMeasure() = default;
    // Character cell height plus the font's external leading.
    virtual int lineHeight() const = 0;
    virtual int averageCharWidth() const = 0;
    // Width of UTF-8 text that holds no tab.
    virtual int textWidth(std::string_view text) const = 0;
};

}  // namespace sj
