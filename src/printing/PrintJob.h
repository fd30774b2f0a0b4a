#pragma once
// One print job: lays the text out with the settings and the font, picks the
// pages of the range and parity, makes the copies and hands every page to the
// output, reporting progress after every line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "printing/PageMetrics.h"
#include "printing/PrintSettings.h"

namespace sj {

class FontMeasure;
class PageOutput;
struct PageContent;

struct PrintJobResult {
    bool ok = false;  // every chosen page went out
    bool cancelled = false;
    int pagesLaidOut = 0;  // in the last pass
    int pagesOutput = 0;   // over all passes and copies
    std::string error;
};

class PrintJob {
public:
    // date: the date text of headers and footers, already formatted.
    PrintJob(const PrintSettings& settings, const FontMeasure& font, const PrinterGeometry& printer,
             std::string date);

    const PageMetrics& metrics() const { return m_metrics; }
    const std::string& headerText() const { return m_header; }
    const std::string& footerText() const { return m_footer; }

    // Progress runs from 0 to passes x text length; returning false cancels.
    std::function<bool(std::int64_t position, std::int64_t total)> onProgress;

    PrintJobResult run(std::string_view text, PageOutput& output);

private:
    void decorate(PageContent& content) const;

    const PrintSettings& m_settings;
    const FontMeasure& m_font;
    PrinterGeometry m_printer;
    std::string m_header;
    std::string m_footer;
    PageMetrics m_metrics;
};

}  // namespace sj
