#pragma once
// Where things go on a page, in printer pixels from the top-left corner of the
// printable area: margins, the header, footer and page-number rows, and the
// band the text lines fill.
#include <string>

namespace sj {

struct PrintSettings;

// What the layout needs to know of the paper and the printer.
struct PrinterGeometry {
    int pageWidth = 0;   // printable area
    int pageHeight = 0;  // printable area
    int offsetX = 0;     // printable area from the paper's left edge
    int offsetY = 0;     // printable area from the paper's top edge
    int physicalHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
};

struct PageMetrics {
    static constexpr int kNoRow = -1;

    int lineHeight = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int left = 0, right = 0, top = 0, bottom = 0;
    int printableWidth = 0;
    int headerRow = 0;
    int footerRow = 0;
    int numberRow = kNoRow;
    int textTop = 0;
    int textBottom = 0;
    int linesPerPage = 0;

    // hasHeader / hasFooter: whether the header and footer texts are not empty.
    static PageMetrics compute(const PrintSettings& settings, const PrinterGeometry& printer, int lineHeight,
                               bool hasHeader, bool hasFooter);
    // Margin in pixels: inches and centimetres by the resolution, pixels as they are.
    static int marginPixels(double margin, int unitsOrdinal, int dpi);

    // Empty when a page can hold text; otherwise the message for the user.
    std::string problem() const;
};

}  // namespace sj
