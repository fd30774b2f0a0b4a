#pragma once
// The print font measured on the printer, for the page layout.
#include <QFontMetricsF>

#include <array>

#include "printing/FontMeasure.h"

class QPaintDevice;

namespace sj {

class PrinterFontMeasure : public FontMeasure {
public:
    PrinterFontMeasure(const QFont& font, QPaintDevice* device);

    int lineHeight() const override { return m_lineHeight; }
    int averageCharWidth() const override { return m_average; }
    int textWidth(std::string_view text) const override;
    int ascent() const { return m_ascent; }

private:
    QFontMetricsF m_metrics;
    // Plain ASCII is measured once per character: most text is ASCII.
    std::array<double, 128> m_ascii{};
    int m_lineHeight;
    int m_average;
    int m_ascent;
};

}  // namespace sj
