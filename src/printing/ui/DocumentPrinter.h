#pragma once
// The printer of the program and the jobs run on it: a printer when one is
// installed, otherwise (and always on request) PDF output. Printing, print to
// file and the preview all lay the pages out with the same engine.
#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

#include "printing/PageMetrics.h"
#include "printing/PrintSettings.h"

class QPrinter;
class QWidget;

namespace sj {

struct PrintJobResult;

class DocumentPrinter {
public:
    DocumentPrinter();
    ~DocumentPrinter();

    QPrinter& printer() { return *m_printer; }
    // Installed printers by name, then "Print to PDF".
    QStringList printerNames() const;
    QString currentPrinterName() const;
    void choosePrinter(const QString& name);
    bool toPdf() const;
    static QString pdfPrinterName();
    // Where PDF output goes (asked for before each PDF job).
    void setPdfFile(const QString& path) { m_pdfFile = path; }
    QString pdfFile() const { return m_pdfFile; }

    // Resolution of the printer, shared with the dialog's unit conversion.
    int dpiX() const;
    int dpiY() const;

    // The font a job prints with: the document's, or the printer font of the settings.
    static QFont printFont(const PrintSettings& s, const QFont& documentFont);
    static PrinterGeometry geometryOf(QPrinter& printer);
    static std::string currentDateText(const std::string& filter);

    // Runs a whole job with the progress window and reports every failure in
    // a message box. dataDirectory: where a bare PrintFile name goes.
    // false when nothing was printed (cancelled, failed).
    bool print(const PrintSettings& s, std::string_view text, const QFont& documentFont,
               const std::string& dataDirectory, QWidget* parent);
    // Draws the pages on a printer that is already set up (the preview's).
    PrintJobResult render(QPrinter& target, const PrintSettings& s, std::string_view text,
                          const QFont& documentFont);
    // Shows the pages as they will print; true when printing was asked for from it.
    void preview(const PrintSettings& s, const std::string& text, const QFont& documentFont, QWidget* parent);

private:
    void prepare(const PrintSettings& s);

    std::unique_ptr<QPrinter> m_printer;
    QString m_pdfFile;
};

}  // namespace sj
