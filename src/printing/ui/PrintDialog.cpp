#include "printing/ui/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "printing/PrintDialogRules.h"
#include "printing/ui/DocumentPrinter.h"
#include "printing/ui/KeyFilter.h"
#include "widgets/ui/ComboField.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

void hint(QWidget* w, const QString& text) {
    w->setToolTip(text);
    w->setStatusTip(text);
}

LineField* field(QWidget* parent, const char* name, int maxLength, KeyFilter::Rule rule = nullptr) {
    auto* f = new LineField(parent);
    f->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) f->setMaxLength(maxLength);
    if (rule) f->setValidator(new KeyFilter(rule, f));
    return f;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

void addRow(QFormLayout* form, const QString& caption, QWidget* w) {
    auto* label = new QLabel(caption);
    label->setBuddy(w);
    form->addRow(label, w);
}

const QStringList kInfoItems{QStringLiteral("[None]"), QStringLiteral("Date"), QStringLiteral("Title"),
                             QStringLiteral("Date + Title"), QStringLiteral("Title + Date")};

}  // namespace

PrintDialog::PrintDialog(const PrintSettings& settings, DocumentPrinter& printer, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_printer(printer) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    new InputFieldGroup(this);

    m_pages = new QTabWidget(this);
    m_pages->setUsesScrollButtons(false);
    m_pages->addTab(buildPrintPage(), QStringLiteral("&1. Print"));
    m_pages->addTab(buildMarginsPage(), QStringLiteral("&2. Margins"));
    m_pages->addTab(buildFontPage(), QStringLiteral("&3. Font"));
    m_pages->addTab(buildOtherPage(), QStringLiteral("&4. Other"));

    m_print = new QPushButton(QStringLiteral("Print"), this);
    m_print->setObjectName(QStringLiteral("print"));
    hint(m_print, QStringLiteral("Save settings and Start printing"));
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_save->setObjectName(QStringLiteral("save"));
    hint(m_save, QStringLiteral("Save options and close dialog box without printing"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    hint(m_cancel, QStringLiteral("Cancel printing and changes to settings"));
    m_setup = new QPushButton(QStringLiteral("Setup..."), this);
    m_setup->setObjectName(QStringLiteral("setup"));
    hint(m_setup, QStringLiteral("Change the printer and/or printer options"));
    m_previewButton = new QPushButton(QStringLiteral("Pre&view"), this);
    m_previewButton->setObjectName(QStringLiteral("preview"));
    hint(m_previewButton, QStringLiteral("Show the pages as they will print"));

    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("help"));
    hint(m_help, QStringLiteral("How the print settings work"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_print, m_save, m_cancel, m_setup, m_previewButton, m_help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_print, &QPushButton::clicked, this, [this] { press(true); });
    connect(m_save, &QPushButton::clicked, this, [this] { press(false); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_setup, &QPushButton::clicked, this, &PrintDialog::setupPrinter);
    connect(m_help, &QPushButton::clicked, this, &PrintDialog::showHelp);
    connect(m_previewButton, &QPushButton::clicked, this, [this] {
        if (onPreview) onPreview(current());
    });

    fill();
    connectChanges();
    m_loading = false;
    QGuiApplication::restoreOverrideCursor();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
}

QWidget* PrintDialog::buildPrintPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* top = new QFormLayout;
    m_printerList = list(page, "printer", m_printer.printerNames());
    hint(m_printerList, QStringLiteral("The printer, or a PDF file"));
    addRow(top, QStringLiteral("Printe&r:"), m_printerList);
    v->addLayout(top);

    auto* range = new QGroupBox(QStringLiteral("Print Range"), page);
    auto* grid = new QGridLayout(range);
    m_all = new QRadioButton(QStringLiteral("&All"), range);
    m_all->setObjectName(QStringLiteral("all"));
    hint(m_all, QStringLiteral("Print all document"));
    m_pagesRange = new QRadioButton(QStringLiteral("&Pages"), range);
    m_pagesRange->setObjectName(QStringLiteral("pages"));
    hint(m_pagesRange, QStringLiteral("Print selected page range"));
    // Created in the order Tab visits them.
    m_from = field(range, "fromPage", 5, &PrintDialogRules::acceptsIntegerKey);
    hint(m_from, QStringLiteral("Start printing from"));
    m_to = field(range, "toPage", 5, &PrintDialogRules::acceptsIntegerKey);
    hint(m_to, QStringLiteral("Last page to print (0 means till the end)"));
    m_selection = new QRadioButton(QStringLiteral("&Selection"), range);
    m_selection->setObjectName(QStringLiteral("selection"));
    hint(m_selection, QStringLiteral("Print only selected text"));
    auto* fromLabel = new QLabel(QStringLiteral("&from:"), range);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(QStringLiteral("t&o:"), range);
    toLabel->setBuddy(m_to);
    grid->addWidget(m_all, 0, 0);
    grid->addWidget(m_pagesRange, 1, 0);
    grid->addWidget(fromLabel, 1, 1);
    grid->addWidget(m_from, 1, 2);
    grid->addWidget(toLabel, 1, 3);
    grid->addWidget(m_to, 1, 4);
    grid->addWidget(m_selection, 2, 0);
    v->addWidget(range);

    auto* duplexRow = new QFormLayout;
    m_duplex =
        list(page, "duplex",
             {QStringLiteral("Even and Odd"), QStringLiteral("Odd only"), QStringLiteral("Even only")});
    hint(m_duplex, QStringLiteral("Select whether to print even, odd, or all pages in chosen range"));
    m_duplexLabel = new QLabel(QStringLiteral("&Duplex mode:"), page);
    m_duplexLabel->setBuddy(m_duplex);
    duplexRow->addRow(m_duplexLabel, m_duplex);
    v->addLayout(duplexRow);

    auto* copies = new QGroupBox(QStringLiteral("Copies"), page);
    auto* copiesForm = new QFormLayout(copies);
    m_copies = field(copies, "copies", 4, &PrintDialogRules::acceptsIntegerKey);
    addRow(copiesForm, QStringLiteral("Number of &Copies:"), m_copies);
    m_collate = new QCheckBox(QStringLiteral("Collat&e"), copies);
    m_collate->setObjectName(QStringLiteral("collate"));
    hint(m_collate, QStringLiteral("Prints copies in page number order when checked"));
    copiesForm->addRow(m_collate);
    v->addWidget(copies);

    m_toFile = new QCheckBox(QStringLiteral("Print To &File"), page);
    m_toFile->setObjectName(QStringLiteral("printToFile"));
    hint(m_toFile, QStringLiteral("Print to file instead of printer"));
    m_landscape = new QCheckBox(QStringLiteral("&Landscape"), page);
    m_landscape->setObjectName(QStringLiteral("landscape"));
    hint(m_landscape, QStringLiteral("When checked, the print job prints horizontally on the page"));
    v->addWidget(m_toFile);
    v->addWidget(m_landscape);
    v->addStretch();
    return page;
}

QWidget* PrintDialog::buildMarginsPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    m_units = list(page, "units",
                   {QStringLiteral("Inches"), QStringLiteral("Centimeters"), QStringLiteral("Pixels")});
    addRow(form, QStringLiteral("&Units:"), m_units);
    v->addLayout(form);
    m_wordWrap = new QCheckBox(QStringLiteral("&Word Wrap"), page);
    m_wordWrap->setObjectName(QStringLiteral("wordWrap"));
    hint(m_wordWrap, QStringLiteral("Wrap long lines"));
    v->addWidget(m_wordWrap);
    auto* margins = new QGroupBox(QStringLiteral("Margins"), page);
    auto* mform = new QFormLayout(margins);
    m_left = field(margins, "marginLeft", 6, &PrintDialogRules::acceptsMarginKey);
    m_right = field(margins, "marginRight", 6, &PrintDialogRules::acceptsMarginKey);
    m_top = field(margins, "marginTop", 6, &PrintDialogRules::acceptsMarginKey);
    m_bottom = field(margins, "marginBottom", 6, &PrintDialogRules::acceptsMarginKey);
    addRow(mform, QStringLiteral("&Left:"), m_left);
    addRow(mform, QStringLiteral("&Right:"), m_right);
    addRow(mform, QStringLiteral("&Top:"), m_top);
    addRow(mform, QStringLiteral("&Bottom:"), m_bottom);
    v->addWidget(margins);
    v->addStretch();
    return page;
}

QWidget* PrintDialog::buildFontPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    m_fontList = list(page, "fontName", families);
    addRow(form, QStringLiteral("&Font Name:"), m_fontList);
    auto* sizeBox = new ComboField(page);
    sizeBox->setEditable(true);
    sizeBox->setInsertPolicy(QComboBox::NoInsert);
    sizeBox->setObjectName(QStringLiteral("fontSize"));
    sizeBox->lineEdit()->setValidator(new KeyFilter(&PrintDialogRules::acceptsFontSizeKey, sizeBox));
    m_sizeBox = sizeBox;
    addRow(form, QStringLiteral("Font &Size:"), m_sizeBox);
    m_bold = new QCheckBox(QStringLiteral("&Bold"), page);
    m_bold->setObjectName(QStringLiteral("bold"));
    m_italic = new QCheckBox(QStringLiteral("&Italic"), page);
    m_italic->setObjectName(QStringLiteral("italic"));
    m_docFont = new QCheckBox(QStringLiteral("&Use Document Font"), page);
    m_docFont->setObjectName(QStringLiteral("useDocumentFont"));
    hint(m_docFont, QStringLiteral("Use current document font instead of printer font"));
    form->addRow(m_bold);
    form->addRow(m_italic);
    form->addRow(m_docFont);
    m_fontPreview = new QPlainTextEdit(page);
    m_fontPreview->setObjectName(QStringLiteral("fontPreview"));
    m_fontPreview->setReadOnly(true);
    m_fontPreview->setPlainText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUWWXYZ\n1234567890\nTest Current Font"));
    m_fontPreview->setFocusPolicy(Qt::NoFocus);
    auto* previewLabel = new QLabel(QStringLiteral("Preview Printer Font:"), page);
    form->addRow(previewLabel);
    form->addRow(m_fontPreview);
    return page;
}

QWidget* PrintDialog::buildOtherPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* group = new QGroupBox(QStringLiteral("Header and Footer"), page);
    auto* form = new QFormLayout(group);
    m_pageNumbers = list(group, "pageNumbers",
                         {QStringLiteral("[None]"), QStringLiteral("Top, left"), QStringLiteral("Top, right"),
                          QStringLiteral("Top, center"), QStringLiteral("Bottom, left"),
                          QStringLiteral("Bottom, right"), QStringLiteral("Bottom, center")});
    addRow(form, QStringLiteral("Page &Numbers:"), m_pageNumbers);
    m_numberFormat = field(group, "numberFormat", static_cast<int>(PrintSettings::kMaxNumberFormat));
    hint(m_numberFormat, QStringLiteral("Format of page number (%d indicates number position)"));
    addRow(form, QStringLiteral("N&umber Format:"), m_numberFormat);
    m_header = list(group, "header", kInfoItems);
    addRow(form, QStringLiteral("&Header:"), m_header);
    m_footer = list(group, "footer", kInfoItems);
    addRow(form, QStringLiteral("&Footer:"), m_footer);
    m_title = field(group, "title", 0);
    hint(m_title, QStringLiteral("Text used for header or footer (if enabled)"));
    addRow(form, QStringLiteral("&Title:"), m_title);
    m_dateFilter = field(group, "dateFilter", static_cast<int>(PrintSettings::kMaxDateFilter));
    hint(m_dateFilter, QStringLiteral("Format the date and time string according to filter"));
    addRow(form, QStringLiteral("&Date Filter:"), m_dateFilter);
    v->addWidget(group);
    v->addStretch();
    return page;
}

void PrintDialog::fill() {
    const PrintSettings& s = m_settings;
    const bool settingsOnly = s.noPrinting;
    m_print->setVisible(!settingsOnly);
    m_save->setVisible(settingsOnly);
    (settingsOnly ? m_save : m_print)->setDefault(true);
    m_title->setEnabled(!settingsOnly);
    setWindowTitle(q(PrintDialogRules::caption(s.title)));

    m_printerList->setCurrentText(m_printer.currentPrinterName());
    const int units = static_cast<int>(s.lengthUnits);
    m_unitsIndex = units < m_units->count() ? units : -1;
    m_units->setCurrentIndex(m_unitsIndex);
    m_units->setEnabled(m_printer.dpiX() > 0);
    m_left->setText(q(PrintSettings::marginText(s.marginLeft, s.lengthUnits)));
    m_right->setText(q(PrintSettings::marginText(s.marginRight, s.lengthUnits)));
    m_top->setText(q(PrintSettings::marginText(s.marginTop, s.lengthUnits)));
    m_bottom->setText(q(PrintSettings::marginText(s.marginBottom, s.lengthUnits)));

    m_selection->setEnabled(s.options.selection && !settingsOnly);
    m_toFile->setEnabled(!s.options.disablePrintToFile);
    m_toFile->setChecked(s.printToFile);
    m_wordWrap->setChecked(s.wordWrap);
    if (s.disableDocFont)
        m_docFont->setEnabled(false);
    else
        m_docFont->setChecked(s.useDocFont);

    m_bold->setChecked(s.fontStyles.bold);
    m_italic->setChecked(s.fontStyles.italic);
    setFontName(q(s.fontName));
    chooseFontName(m_fontList->currentIndex());
    setFontSize(s.fontSize);
    m_numberFormat->setText(q(s.numberFormat));
    m_title->setText(q(s.title));
    m_dateFilter->setText(q(s.dateFilter));
    m_header->setCurrentIndex(static_cast<int>(s.pageHeader));
    m_footer->setCurrentIndex(static_cast<int>(s.pageFooter));
    m_landscape->setChecked(s.landscape);
    m_help->setVisible(s.options.help);

    QRadioButton* range = m_all;
    if (!settingsOnly && s.printRange == PrintRange::Selection && s.options.selection) range = m_selection;
    if (!settingsOnly && s.printRange == PrintRange::PageNumbers && s.options.pageNumbers)
        range = m_pagesRange;
    range->setChecked(true);
    m_from->setText(QString::number(s.fromPage));
    m_to->setText(s.toPage > 0 ? QString::number(s.toPage) : QString());
    m_copies->setText(QString::number(s.copies));
    m_collate->setChecked(s.collate);
    m_pageNumbers->setCurrentIndex(static_cast<int>(s.pageNumbers));

    for (QWidget* w : {static_cast<QWidget*>(m_all), static_cast<QWidget*>(m_pagesRange),
                       static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_to)})
        w->setEnabled(!settingsOnly);
    m_duplex->setVisible(!settingsOnly);
    m_duplexLabel->setVisible(!settingsOnly);
    m_duplex->setCurrentIndex(static_cast<int>(s.printPages));
    updatePreview();
}

void PrintDialog::connectChanges() {
    for (QCheckBox* box : {m_collate, m_toFile, m_landscape, m_wordWrap, m_docFont})
        connect(box, &QCheckBox::toggled, this, &PrintDialog::markChanged);
    for (QCheckBox* box : {m_bold, m_italic})
        connect(box, &QCheckBox::toggled, this, [this] {
            markChanged();
            updatePreview();
        });
    for (QRadioButton* r : {m_all, m_pagesRange, m_selection})
        connect(r, &QRadioButton::toggled, this, &PrintDialog::markChanged);
    connect(m_pagesRange, &QRadioButton::clicked, this, [this] { m_from->setFocus(Qt::OtherFocusReason); });
    for (LineField* f : {m_from, m_to})
        connect(f, &QLineEdit::textEdited, this, [this] { m_pagesRange->setChecked(true); });
    for (LineField* f :
         {m_from, m_to, m_copies, m_left, m_right, m_top, m_bottom, m_numberFormat, m_title, m_dateFilter})
        connect(f, &QLineEdit::textEdited, this, &PrintDialog::markChanged);
    // The duplex choice is taken in any case and never stored: it changes nothing.
    for (QComboBox* box : {m_pageNumbers, m_header, m_footer})
        connect(box, &QComboBox::activated, this, &PrintDialog::markChanged);
    connect(m_units, &QComboBox::activated, this, &PrintDialog::changeUnits);
    connect(m_fontList, &QComboBox::activated, this, &PrintDialog::chooseFontName);
    connect(m_sizeBox, &QComboBox::activated, this, [this] {
        markChanged();
        m_docFont->setChecked(false);
        applySizeToPreview();
    });
    connect(m_sizeBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
        markChanged();
        m_docFont->setChecked(false);
        applySizeToPreview();
    });
    connect(m_printerList, &QComboBox::activated, this,
            [this] { m_printer.choosePrinter(m_printerList->currentText()); });
}

void PrintDialog::markChanged() {
    if (!m_loading) m_changed = true;
}

void PrintDialog::changeUnits(int index) {
    markChanged();
    const int dpiX = m_printer.dpiX(), dpiY = m_printer.dpiY();
    if (m_unitsIndex >= 0 && index >= 0 && dpiX > 0 && index != m_unitsIndex) {
        const auto from = static_cast<LengthUnits>(m_unitsIndex);
        const auto to = static_cast<LengthUnits>(index);
        const std::pair<LineField*, int> fields[] = {
            {m_left, dpiX}, {m_right, dpiX}, {m_top, dpiY}, {m_bottom, dpiY}};
        for (const auto& [f, r] : fields) {
            const auto converted = PrintDialogRules::convertMargin(f->text().toStdString(), from, to, r);
            if (!converted) {
                msg::error(QStringLiteral("\"%1\" is not a valid margin.").arg(f->text()));
                m_units->setCurrentIndex(m_unitsIndex);
                f->setFocus(Qt::OtherFocusReason);
                return;
            }
            const bool edited = f->changedSinceEntry();
            if (edited)
                f->QLineEdit::setText(q(*converted));
            else
                f->setText(q(*converted));
        }
    }
    m_unitsIndex = index;
}

void PrintDialog::setFontName(const QString& name) {
    m_fontName = name.left(static_cast<int>(PrintSettings::kMaxFontName));
    int index = m_fontList->findText(m_fontName, Qt::MatchFixedString);
    if (index < 0 && !m_fontName.isEmpty()) {
        // A font this system lacks (the stored default is one) prints in the
        // family the font configuration puts in its place: show that one.
        const QString standIn = QFontInfo(QFont(m_fontName)).family();
        index = m_fontList->findText(standIn, Qt::MatchFixedString);
        if (index >= 0) m_fontName = m_fontList->itemText(index);
    }
    m_fontList->setCurrentIndex(index);
    updatePreview();
}

void PrintDialog::chooseFontName(int index) {
    markChanged();
    if (!m_loading) m_docFont->setChecked(false);
    const QString previous = m_sizeBox->currentText();
    if (index < 0) {
        m_sizeBox->clear();
        m_standardSizes = false;
        updatePreview();
        return;
    }
    const QString family = m_fontList->itemText(index);
    m_fontName = family;
    const bool scalable = QFontDatabase::isScalable(family) || QFontDatabase::pointSizes(family).isEmpty();
    std::vector<int> sizes;
    if (scalable) {
        sizes = PrintDialogRules::scalableSizes();
    } else {
        for (int size : QFontDatabase::pointSizes(family)) sizes.push_back(size);
    }
    if (!scalable || !m_standardSizes) {
        m_sizeBox->clear();
        for (int size : sizes) m_sizeBox->addItem(QString::number(size));
        m_standardSizes = scalable;
    }
    const int chosen = PrintDialogRules::sizeIndex(sizes, previous.toStdString(), scalable);
    m_sizeBox->setCurrentIndex(chosen);
    if (chosen < 0) m_sizeBox->setEditText(QString());
    applySizeToPreview();
}

void PrintDialog::setFontSize(int size) {
    if (size == 1) size = 2;
    m_fontSize = size;
    m_sizeBox->setEditText(size == 0 ? QString() : QString::number(size));
    applySizeToPreview();
}

void PrintDialog::applySizeToPreview() {
    const QString text = m_sizeBox->currentText();
    if (!text.isEmpty()) {
        bool ok = false;
        int size = text.toInt(&ok);
        if (!ok) size = 12;
        if (size < 1) m_sizeBox->setEditText(QStringLiteral("1"));
    }
    updatePreview();
}

void PrintDialog::updatePreview() {
    QFont font(m_fontName);
    bool ok = false;
    const int size = m_sizeBox->currentText().toInt(&ok);
    if (ok && size > 0) font.setPointSize(size);
    font.setBold(m_bold->isChecked());
    font.setItalic(m_italic->isChecked());
    m_fontPreview->setFont(font);
    // The sample hides (text in the background colour) until a font and a size are chosen.
    QPalette palette = m_fontPreview->palette();
    const bool shown = m_fontList->currentIndex() >= 0 && !m_sizeBox->currentText().isEmpty();
    palette.setColor(QPalette::Text, shown ? QColor(Qt::black) : palette.color(QPalette::Base));
    m_fontPreview->setPalette(palette);
}

void PrintDialog::setupPrinter() {
    QPrinter& printer = m_printer.printer();
    printer.setPageOrientation(m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_landscape->setChecked(printer.pageLayout().orientation() == QPageLayout::Landscape);
}

void PrintDialog::showHelp() {
    msg::info(QStringLiteral(
        "Printing\n\n"
        "1. Print: what to print (all, a page range, or the selected text), odd or even pages only, "
        "copies, landscape paper, and Print To File, which writes the laid-out pages as plain text "
        "with a form feed at each page break. Without a printer choose \"Print to PDF\".\n"
        "2. Margins: the distance from each paper edge in inches, centimeters or printer pixels; "
        "Word Wrap breaks long lines at word boundaries.\n"
        "3. Font: the printer font, or the document's own font.\n"
        "4. Other: page numbers (\"%d\" stands for the number), a header and a footer with the date "
        "and the title, and the date filter that formats the date.\n\n"
        "Preview shows the pages as they will print. The settings are kept for the next time; the "
        "page range and Word Wrap only while the same document stays active."));
}

void PrintDialog::press(bool print) {
    m_useDocFont = m_docFont->isChecked();
    m_fontName = m_fontList->currentIndex() >= 0 ? m_fontList->currentText() : QString();
    m_fontName = m_fontName.left(static_cast<int>(PrintSettings::kMaxFontName));
    m_fontSize = PrintDialogRules::fontSize(m_sizeBox->currentText().toStdString());
    m_savePressed = true;
    m_printPressed = print;
    accept();
}

void PrintDialog::readInto(PrintSettings& s) const {
    s.lengthUnits =
        m_units->currentIndex() < 0 ? LengthUnits::Inches : static_cast<LengthUnits>(m_units->currentIndex());
    for (const auto& [f, margin] : {std::pair{m_left, &s.marginLeft}, std::pair{m_right, &s.marginRight},
                                    std::pair{m_top, &s.marginTop}, std::pair{m_bottom, &s.marginBottom}}) {
        double v = 0;
        if (PrintSettings::parseMargin(f->text().toStdString(), v)) *margin = v;
    }
    s.printRange = m_pagesRange->isChecked()  ? PrintRange::PageNumbers
                   : m_selection->isChecked() ? PrintRange::Selection
                                              : PrintRange::AllPages;
    s.fromPage = PrintDialogRules::fromPage(m_from->text().toStdString());
    s.toPage = PrintDialogRules::toPage(m_to->text().toStdString(), s.fromPage);
    s.copies = PrintDialogRules::copies(m_copies->text().toStdString());
    s.collate = m_collate->isChecked();
    s.pageNumbers = m_pageNumbers->currentIndex() < 0
                        ? PageNumberPosition::None
                        : static_cast<PageNumberPosition>(m_pageNumbers->currentIndex());
    s.printToFile = m_toFile->isChecked();
    s.wordWrap = m_wordWrap->isChecked();
    s.useDocFont = m_docFont->isChecked();
    s.fontName = (m_fontList->currentIndex() >= 0 ? m_fontList->currentText() : QString())
                     .left(static_cast<int>(PrintSettings::kMaxFontName))
                     .toStdString();
    s.fontSize = PrintDialogRules::fontSize(m_sizeBox->currentText().toStdString());
    s.fontStyles.bold = m_bold->isChecked();
    s.fontStyles.italic = m_italic->isChecked();
    s.numberFormat = PrintSettings::normalisedNumberFormat(m_numberFormat->text().toStdString());
    s.title = m_title->text().toStdString();
    s.dateFilter = m_dateFilter->text().left(static_cast<int>(PrintSettings::kMaxDateFilter)).toStdString();
    s.pageHeader =
        m_header->currentIndex() < 0 ? PageInfo::None : static_cast<PageInfo>(m_header->currentIndex());
    s.pageFooter =
        m_footer->currentIndex() < 0 ? PageInfo::None : static_cast<PageInfo>(m_footer->currentIndex());
    s.landscape = m_landscape->isChecked();
}

void PrintDialog::readBack(PrintSettings& s) const {
    s.printPages =
        m_duplex->currentIndex() < 0 ? PageParity::All : static_cast<PageParity>(m_duplex->currentIndex());
    if (m_changed) readInto(s);
}

PrintSettings PrintDialog::current() const {
    PrintSettings s = m_settings;
    s.printPages =
        m_duplex->currentIndex() < 0 ? PageParity::All : static_cast<PageParity>(m_duplex->currentIndex());
    readInto(s);
    return s;
}

}  // namespace sj
