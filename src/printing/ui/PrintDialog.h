#pragma once
// The print dialog: what to print and every print setting, on four pages.
// In settings-only mode it saves instead of printing.
#include <QDialog>

#include <functional>
#include <vector>

#include "printing/PrintSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace sj {

class ComboField;
class DocumentPrinter;
class LineField;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(const PrintSettings& settings, DocumentPrinter& printer, QWidget* parent = nullptr);

    bool printPressed() const { return m_printPressed; }
    bool savePressed() const { return m_savePressed; }
    bool changed() const { return m_changed; }
    // After Print or Save: the duplex choice always, everything else only
    // when a control was changed.
    void readBack(PrintSettings& s) const;
    // The settings as the dialog shows them now (for the preview).
    PrintSettings current() const;

    // Shows the pages with the dialog's values.
    std::function<void(const PrintSettings&)> onPreview;

private:
    QWidget* buildPrintPage();
    QWidget* buildMarginsPage();
    QWidget* buildFontPage();
    QWidget* buildOtherPage();
    void fill();
    void connectChanges();
    void markChanged();
    void readInto(PrintSettings& s) const;

    void changeUnits(int index);
    void chooseFontName(int index);
    void setFontName(const QString& name);
    void setFontSize(int size);
    void applySizeToPreview();
    void updatePreview();
    void setupPrinter();
    void press(bool print);
    void showHelp();

    PrintSettings m_settings;
    DocumentPrinter& m_printer;
    bool m_loading = true;
    bool m_changed = false;
    bool m_printPressed = false;
    bool m_savePressed = false;
    int m_unitsIndex = -1;
    bool m_standardSizes = false;
    bool m_useDocFont = true;
    QString m_fontName;
    int m_fontSize = 0;

    QTabWidget* m_pages;
    QComboBox* m_printerList;
    QRadioButton *m_all, *m_pagesRange, *m_selection;
    LineField *m_from, *m_to, *m_copies;
    QLabel* m_duplexLabel;
    QComboBox* m_duplex;
    QCheckBox *m_collate, *m_toFile, *m_landscape;
    QComboBox* m_units;
    QCheckBox* m_wordWrap;
    LineField *m_left, *m_right, *m_top, *m_bottom;
    QComboBox* m_fontList;
    QComboBox* m_sizeBox;
    QCheckBox *m_bold, *m_italic, *m_docFont;
    QPlainTextEdit* m_fontPreview;
    QComboBox *m_pageNumbers, *m_header, *m_footer;
    LineField *m_numberFormat, *m_title, *m_dateFilter;
    QPushButton *m_print, *m_save, *m_cancel, *m_setup, *m_previewButton, *m_help;
};

}  // namespace sj
