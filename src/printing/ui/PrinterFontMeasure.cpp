#include "printing/ui/PrinterFontMeasure.h"

#include <cmath>

namespace sj {

PrinterFontMeasure::PrinterFontMeasure(const QFont& font, QPaintDevice* device)
    : m_metrics(font, device),
      m_lineHeight(static_cast<int>(std::ceil(m_metrics.lineSpacing()))),
      m_average(static_cast<int>(std::lround(m_metrics.averageCharWidth()))),
      m_ascent(static_cast<int>(std::lround(m_metrics.ascent()))) {
    for (int c = 32; c < 128; ++c) m_ascii[c] = m_metrics.horizontalAdvance(QChar(c));
}

int PrinterFontMeasure::textWidth(std::string_view text) const {
    double width = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 128 || c < 32) break;
        width += m_ascii[c];
    }
    if (i < text.size())
        width += m_metrics.horizontalAdvance(
            QString::fromUtf8(text.data() + i, static_cast<qsizetype>(text.size() - i)));
    return static_cast<int>(std::ceil(width - 1e-6));
}

}  // namespace sj
