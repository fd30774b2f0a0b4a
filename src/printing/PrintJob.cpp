#include "printing/PrintJob.h"

#include "printing/FontMeasure.h"
#include "printing/PageDecoration.h"
#include "printing/PageLayout.h"
#include "printing/PageOutput.h"
#include "printing/PageSelection.h"
#include "printing/TabbedText.h"

namespace sj {
namespace {

// Line ends and other control characters at the end are not drawn.
std::string_view drawable(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.back()) < 32) line.remove_suffix(1);
    return line;
}

}  // namespace

PrintJob::PrintJob(const PrintSettings& settings, const FontMeasure& font, const PrinterGeometry& printer,
                   std::string date)
    : m_settings(settings),
      m_font(font),
      m_printer(printer),
      m_header(PageDecoration::headerText(settings, date)),
      m_footer(PageDecoration::footerText(settings, date)),
      m_metrics(
          PageMetrics::compute(settings, printer, font.lineHeight(), !m_header.empty(), !m_footer.empty())) {}

void PrintJob::decorate(PageContent& page) const {
    const PageMetrics& m = m_metrics;
    const int h = m.lineHeight;
    const int ruleEnd = m.pageWidth - m.right;
    if (!m_header.empty()) {
        page.texts.push_back({m.left, m.headerRow, m_header});
        page.rules.push_back({m.left, ruleEnd, m.headerRow + h + h / 3});
    }
    if (!m_footer.empty()) {
        page.rules.push_back({m.left, ruleEnd, m.footerRow});
        page.texts.push_back({m.left, m.footerRow + h / 3, m_footer});
    }
    if (m.numberRow == PageMetrics::kNoRow) return;
    const PageNumberPosition where = m_settings.pageNumbers;
    const std::string number = PageDecoration::numberText(m_settings.numberFormat, page.number, where);
    const int width = m_font.textWidth(number);
    int x = m.left;
    if (where == PageNumberPosition::TopRight || where == PageNumberPosition::BottomRight)
        x = m.pageWidth - m.right - width;
    else if (where == PageNumberPosition::TopCenter || where == PageNumberPosition::BottomCenter)
        x = m.left + (m.pageWidth - m.left - m.right - width) / 2;
    page.texts.push_back({x, m.numberRow, number});
}

PrintJobResult PrintJob::run(std::string_view text, PageOutput& output) {
    PrintJobResult result;
    result.error = m_metrics.problem();
    if (!result.error.empty()) return result;

    const TabbedText measure(
        m_font, TabbedText::stopsInPixels(m_settings.tabSettings, m_settings.tabUnits, m_printer.dpiX),
        m_settings.useTabs);
    const PageSelection selection(m_settings);
    const CopyPlan plan = CopyPlan::make(m_settings.copies, m_settings.collate, output.makesCopies());
    if (plan.deviceCopies > 1) output.setCopies(plan.deviceCopies);
    const auto total = static_cast<std::int64_t>(text.size()) * plan.passes;

    for (int pass = 0; pass < plan.passes; ++pass) {
        if (pass > 0) output.beginPass(pass);
        PageLayout layout(text, measure, m_metrics.printableWidth, m_metrics.linesPerPage,
                          m_settings.wordWrap);
        const std::int64_t done = static_cast<std::int64_t>(text.size()) * pass;
        layout.onLine = [&](std::size_t position) {
            return !onProgress || onProgress(done + static_cast<std::int64_t>(position), total);
        };
        LaidOutPage page;
        result.pagesLaidOut = 0;
        while (layout.next(page)) {
            if (selection.endsBefore(page.number)) break;
            ++result.pagesLaidOut;
            if (!selection.isOutput(page.number)) continue;
            PageContent content;
            content.number = page.number;
            int y = m_metrics.textTop;
            for (const std::string& line : page.lines) {
                for (TextRun& run : measure.runs(drawable(line), m_metrics.left)) {
                    run.y = y;
                    content.texts.push_back(std::move(run));
                }
                y += m_metrics.lineHeight;
            }
            decorate(content);
            for (int copy = 0; copy < plan.repeatsPerPage; ++copy) {
                if (!output.outputPage(page, content)) {
                    result.error = output.error();
                    output.finish(true);
                    return result;
                }
                ++result.pagesOutput;
            }
        }
        if (layout.stopped()) {
            result.cancelled = true;
            break;
        }
    }
    if (!output.finish(result.cancelled)) {
        result.error = output.error();
        return result;
    }
    result.ok = !result.cancelled;
    return result;
}

}  // namespace sj
