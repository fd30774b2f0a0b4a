#include "printing/ui/PainterPageOutput.h"

#include <QPainter>
#include <QPrinter>

namespace sj {

PainterPageOutput::PainterPageOutput(QPainter& painter, QPrinter& printer, int ascent)
    : m_painter(painter), m_printer(printer), m_ascent(ascent) {}

bool PainterPageOutput::makesCopies() const {
    return m_printer.outputFormat() == QPrinter::NativeFormat && m_printer.supportsMultipleCopies();
}

void PainterPageOutput::setCopies(int copies) {
    // Copies in page-number order: every sheet of page 1, then of page 2.
    m_printer.setCopyCount(copies);
    m_printer.setCollateCopies(false);
}

bool PainterPageOutput::outputPage(const LaidOutPage&, const PageContent& content) {
    if (m_anyPage && !m_printer.newPage()) return false;
    m_anyPage = true;
    for (const TextRun& run : content.texts)
        m_painter.drawText(QPoint(run.x, run.y + m_ascent), QString::fromStdString(run.text));
    for (const Rule& rule : content.rules) m_painter.drawLine(rule.x1, rule.y, rule.x2, rule.y);
    return true;
}

bool PainterPageOutput::finish(bool cancelled) {
    if (cancelled && m_printer.outputFormat() == QPrinter::NativeFormat) m_printer.abort();
    if (m_painter.isActive()) m_painter.end();
    return true;
}

std::string PainterPageOutput::error() const {
    return "Error: the printer refused the next page.";
}

}  // namespace sj
