#pragma once
// Prints documents through the editor component's own page layout, with the
// document's title and the page number above each page.
#include <Qsci/qsciprinter.h>

#include <QString>

namespace sj {

class EditorView;

class DocumentPrinter : public QsciPrinter {
public:
    DocumentPrinter();

    // Prints one document (lines first..last, -1 for all) with its title in
    // the header; false when nothing could be printed.
    bool printDocument(QPainter& painter, EditorView& editor, const QString& title, int firstLine = -1,
                       int lastLine = -1);

protected:
    void formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber) override;

private:
    QString m_title;
};

}  // namespace sj
