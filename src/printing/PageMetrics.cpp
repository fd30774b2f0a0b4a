#include "printing/PageMetrics.h"

#include <algorithm>
#include <cmath>

#include "printing/PrintSettings.h"

namespace sj {

int PageMetrics::marginPixels(double margin, int unitsOrdinal, int dpi) {
    double px = margin;
    if (unitsOrdinal == static_cast<int>(LengthUnits::Inches)) px = margin * dpi;
    if (unitsOrdinal == static_cast<int>(LengthUnits::Centimeters)) px = margin / 2.54 * dpi;
    return static_cast<int>(std::lround(px));
}

PageMetrics PageMetrics::compute(const PrintSettings& s, const PrinterGeometry& p, int lineHeight,
                                 bool hasHeader, bool hasFooter) {
    PageMetrics m;
    const int h = lineHeight;
    m.lineHeight = h;
    m.pageWidth = p.pageWidth;
    m.pageHeight = p.pageHeight;
    const int unprintableBottom = p.physicalHeight - (p.pageHeight + p.offsetY);
    const int units = static_cast<int>(s.lengthUnits);
    m.left = std::max(0, marginPixels(s.marginLeft, units, p.dpiX) - p.offsetX);
    m.right = std::max(0, marginPixels(s.marginRight, units, p.dpiX) - p.offsetX);
    m.top = std::max(0, marginPixels(s.marginTop, units, p.dpiY) - p.offsetY);
    m.bottom = std::max(0, marginPixels(s.marginBottom, units, p.dpiY) - unprintableBottom);
    m.printableWidth = m.pageWidth - m.left - m.right;

    if (unprintableBottom <= 2 * p.offsetY) {
        m.headerRow = h / 2;
        m.footerRow = p.pageHeight - (11 * h) / 6;
    } else {
        m.headerRow = unprintableBottom - p.offsetY;
        if (m.top < m.headerRow) m.headerRow = h / 2;
        m.footerRow = p.pageHeight - (4 * h) / 3;
    }
    switch (s.pageNumbers) {
        case PageNumberPosition::None:
            m.numberRow = kNoRow;
            break;
        case PageNumberPosition::TopLeft:
        case PageNumberPosition::TopRight:
        case PageNumberPosition::TopCenter:
            m.numberRow = m.headerRow;
            break;
        default:
            m.numberRow = m.footerRow;
    }
    m.textTop = hasHeader ? m.headerRow + (11 * h) / 6 : 0;
    m.textTop = std::max(m.textTop, m.top);
    if (hasFooter && p.pageHeight - m.bottom >= m.footerRow)
        m.textBottom = m.footerRow - h;
    else
        m.textBottom = p.pageHeight - m.bottom;
    m.linesPerPage = h > 0 ? (m.textBottom - m.textTop) / h : 0;
    return m;
}

std::string PageMetrics::problem() const {
    if (lineHeight <= 0) return "Error: the print font has no height.";
    if (printableWidth <= 0)
        return "Error: the left and right margins leave no room for text. Make them smaller.";
    if (linesPerPage < 1)
        return "Error: the top and bottom margins leave no room for a line of text. Make them smaller.";
    return {};
}

}  // namespace sj
