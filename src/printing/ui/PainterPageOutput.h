#pragma once
// Draws a print job's pages with a painter on a printer, a PDF or a preview.
#include "printing/PageOutput.h"

class QPainter;
class QPrinter;

namespace sj {

class PainterPageOutput : public PageOutput {
public:
    // ascent: from the top of a line to its baseline, in device pixels.
    PainterPageOutput(QPainter& painter, QPrinter& printer, int ascent);

    bool makesCopies() const override;
    void setCopies(int copies) override;
    void beginPass(int) override {}
    bool outputPage(const LaidOutPage& page, const PageContent& content) override;
    bool finish(bool cancelled) override;
    std::string error() const override;

private:
    QPainter& m_painter;
    QPrinter& m_printer;
    int m_ascent;
    bool m_anyPage = false;
};

}  // namespace sj
