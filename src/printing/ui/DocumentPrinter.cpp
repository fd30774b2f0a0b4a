#include "printing/ui/DocumentPrinter.h"

#include <QPainter>

#include "document/ui/EditorView.h"

namespace sj {

DocumentPrinter::DocumentPrinter() : QsciPrinter(QPrinter::HighResolution) {
    setWrapMode(QsciScintilla::WrapWord);
    setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
}

bool DocumentPrinter::printDocument(QPainter& painter, EditorView& editor, const QString& title,
                                    int firstLine, int lastLine) {
    m_title = title;
    return printRange(&editor, painter, firstLine, lastLine) > 0;
}

void DocumentPrinter::formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber) {
    // A header line: the title on the left, the page number on the right.
    const QFontMetrics metrics(painter.font());
    const int height = metrics.height() * 2;
    if (drawing) {
        const QRect header(area.left(), area.top(), area.width(), metrics.height());
        painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(m_title, Qt::ElideMiddle, area.width() * 3 / 4));
        painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1").arg(pageNumber));
    }
    area.setTop(area.top() + height);
}

}  // namespace sj
