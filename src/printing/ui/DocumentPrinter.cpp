#include "printing/ui/DocumentPrinter.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryFile>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "document/ui/LocaleDates.h"
#include "printing/PageDecoration.h"
#include "printing/PrintJob.h"
#include "printing/TextFileOutput.h"
#include "printing/ui/PainterPageOutput.h"
#include "printing/ui/PrinterFontMeasure.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Progress is shown, and events served, a few times a second: often enough
// for Cancel to answer at once, rarely enough not to slow the job down.
constexpr int kProgressIntervalMs = 40;
constexpr qreal kPdfBorder = 18;  // points: a quarter inch

// The PDF writer compresses every page through buffers of several megabytes
// that it frees again at once. The C library would give that memory back to
// the system after each page and have it faulted in anew for the next, which
// took more time than laying out and drawing the page. While a job runs the
// heap keeps a pad of that size instead.
class HeapPad {
public:
    HeapPad() { set(64 << 20); }
    ~HeapPad() { set(128 << 10); }  // the library's own default
    HeapPad(const HeapPad&) = delete;
    HeapPad& operator=(const HeapPad&) = delete;

private:
    static void set([[maybe_unused]] int bytes) {
#ifdef __GLIBC__
        mallopt(M_TOP_PAD, bytes);
#endif
    }
};

}  // namespace

DocumentPrinter::DocumentPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) choosePrinter(pdfPrinterName());
}

DocumentPrinter::~DocumentPrinter() = default;

QString DocumentPrinter::pdfPrinterName() {
    return QStringLiteral("Print to PDF");
}

QStringList DocumentPrinter::printerNames() const {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << pdfPrinterName();
    return names;
}

QString DocumentPrinter::currentPrinterName() const {
    return toPdf() ? pdfPrinterName() : m_printer->printerName();
}

void DocumentPrinter::choosePrinter(const QString& name) {
    if (name == pdfPrinterName()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_printer->setOutputFormat(QPrinter::NativeFormat);
        m_printer->setPrinterName(name);
    }
}

bool DocumentPrinter::toPdf() const {
    return m_printer->outputFormat() == QPrinter::PdfFormat;
}

int DocumentPrinter::dpiX() const {
    return m_printer->logicalDpiX();
}
int DocumentPrinter::dpiY() const {
    return m_printer->logicalDpiY();
}

QFont DocumentPrinter::printFont(const PrintSettings& s, const QFont& documentFont) {
    if (s.useDocFont) return documentFont;
    QFont font;
    if (!s.fontName.empty()) font.setFamily(q(s.fontName));
    if (s.fontSize > 0) font.setPointSize(s.fontSize);
    font.setBold(s.fontStyles.bold);
    font.setItalic(s.fontStyles.italic);
    font.setUnderline(s.fontStyles.underline);
    font.setStrikeOut(s.fontStyles.strikeOut);
    return font;
}

PrinterGeometry DocumentPrinter::geometryOf(QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    PrinterGeometry g;
    g.pageWidth = static_cast<int>(page.width());
    g.pageHeight = static_cast<int>(page.height());
    g.offsetX = static_cast<int>(page.left() - paper.left());
    g.offsetY = static_cast<int>(page.top() - paper.top());
    g.physicalHeight = static_cast<int>(paper.height());
    g.dpiX = printer.logicalDpiX();
    g.dpiY = printer.logicalDpiY();
    return g;
}

std::string DocumentPrinter::currentDateText(const std::string& filter) {
    return PageDecoration::dateText(filter, currentDateTime(), localeNamesFromSystem());
}

void DocumentPrinter::prepare(const PrintSettings& s) {
    m_printer->setPageOrientation(s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The margins of the settings count from the paper's edges; the
    // printable area is as large as the device allows. A PDF has no border it
    // cannot print on; it gets the quarter inch most printers keep, so that
    // headers and footers sit as clear of the edge as they do on paper and a
    // printout of the PDF loses none of them.
    QPageLayout layout = m_printer->pageLayout();
    if (toPdf()) {
        layout.setUnits(QPageLayout::Point);
        layout.setMargins(QMarginsF(kPdfBorder, kPdfBorder, kPdfBorder, kPdfBorder));
    } else {
        layout.setMargins(layout.minimumMargins());
    }
    m_printer->setPageLayout(layout);
    m_printer->setDocName(s.title.empty() ? QStringLiteral("Super Jotleaf") : q(s.title));
    m_printer->setCopyCount(1);
}

PrintJobResult DocumentPrinter::render(QPrinter& target, const PrintSettings& s, std::string_view text,
                                       const QFont& documentFont) {
    const QFont font = printFont(s, documentFont);
    const PrinterFontMeasure measure(font, &target);
    PrintJob job(s, measure, geometryOf(target), currentDateText(s.dateFilter));
    QPainter painter;
    PrintJobResult result;
    result.error = job.metrics().problem();
    if (!result.error.empty()) return result;
    if (!painter.begin(&target)) {
        result.error = "Error: the printer could not start the job.";
        return result;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const HeapPad pad;
    PainterPageOutput out(painter, target, measure.ascent());
    return job.run(text, out);
}

bool DocumentPrinter::print(const PrintSettings& s, std::string_view text, const QFont& documentFont,
                            const std::string& dataDirectory, QWidget* parent) {
    prepare(s);
    const QFont font = printFont(s, documentFont);
    const PrinterFontMeasure measure(font, m_printer.get());
    PrintJob job(s, measure, geometryOf(*m_printer), currentDateText(s.dateFilter));
    if (const std::string problem = job.metrics().problem(); !problem.empty()) {
        msg::error(q(problem));
        return false;
    }

    ProgressWindow progress(parent);
    progress.open(QStringLiteral("Printing Document"), QStringLiteral("Printing \"%1\" ...").arg(q(s.title)),
                  0, std::max<qint64>(1, static_cast<qint64>(text.size()) * std::max(1, s.copies)));
    QElapsedTimer clock;
    clock.start();
    job.onProgress = [&](std::int64_t position, std::int64_t) {
        if (clock.elapsed() >= kProgressIntervalMs) {
            progress.stepTo(position);
            clock.restart();
        }
        return !progress.cancelled();
    };

    PrintJobResult result;
    if (s.printToFile) {
        TextFileOutput out(TextFileOutput::resolvePath(s.printFile, dataDirectory));
        result = job.run(text, out);
    } else {
        // PDF output goes to a temporary file beside the target and takes its
        // place only when the job is complete.
        std::unique_ptr<QTemporaryFile> partial;
        if (toPdf()) {
            const QFileInfo target(m_pdfFile);
            partial = std::make_unique<QTemporaryFile>(target.absolutePath() +
                                                       QStringLiteral("/.print-XXXXXX.pdf"));
            if (!partial->open()) {
                progress.close();
                msg::error(QStringLiteral("Error: unable to write the file \"%1\".").arg(m_pdfFile));
                return false;
            }
            partial->close();
            m_printer->setOutputFileName(partial->fileName());
        }
        const HeapPad pad;
        QPainter painter;
        if (!painter.begin(m_printer.get())) {
            progress.close();
            msg::error(QStringLiteral("Error: the printer could not start the job."));
            return false;
        }
        painter.setFont(font);
        painter.setPen(Qt::black);
        PainterPageOutput out(painter, *m_printer, measure.ascent());
        result = job.run(text, out);
        if (partial && result.ok) {
            if (std::rename(partial->fileName().toLocal8Bit().constData(),
                            m_pdfFile.toLocal8Bit().constData()) != 0) {
                result.ok = false;
                result.error = "Error: unable to write the file \"" + m_pdfFile.toStdString() + "\".";
            } else {
                partial->setAutoRemove(false);
            }
        }
    }
    progress.close();
    if (!result.error.empty()) msg::error(q(result.error));
    return result.ok;
}

void DocumentPrinter::preview(const PrintSettings& s, const std::string& text, const QFont& documentFont,
                              QWidget* parent) {
    prepare(s);
    QPrintPreviewDialog dialog(m_printer.get(), parent);
    // Large enough to read a page at once.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.8);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { render(*target, s, text, documentFont); });
    dialog.exec();
}

}  // namespace sj
