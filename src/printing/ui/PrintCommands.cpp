#include "printing/ui/PrintCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/DocumentSet.h"
#include "config/IniFile.h"
#include "document/ui/DocumentPage.h"
#include "files/FileUtils.h"
#include "printing/ui/DocumentPrinter.h"
#include "printing/ui/PrintDialog.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {

constexpr Pos kSelectionToPrintNow = 100;
constexpr Pos kSelectionToOffer = 3;

}  // namespace

PrintCommands::PrintCommands(AppHost& host)
    : CommandGroup(host), m_printer(std::make_unique<DocumentPrinter>()) {
    m_setup =
        action(QStringLiteral("Pri&nter Setup..."), {}, QStringLiteral("|Choose the printer and the page"));
    m_print = action(QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                     QStringLiteral("|Print the current document"));
    m_printAll = action(QStringLiteral("Pr&int All..."), {}, QStringLiteral("|Print all open documents"));
    m_properties = action(QStringLiteral("Pri&nting Properties..."), {},
                          QStringLiteral("|Configure printing options (margins, font, etc.)"));
    // Only the toolbar offers printing at once; it finds the command by name.
    m_printNow = action(QStringLiteral("Print"), {},
                        QStringLiteral("|Print document or selected text (uses printer dialog settings)"));
    m_printNow->setObjectName(QStringLiteral("printNow"));
    connect(m_printNow, &QAction::triggered, this, [this] {
        DocumentPage* page = m_host.currentPage();
        printNow(page, false);
        // The progress window had the keyboard; the document takes it back.
        m_host.window()->activateWindow();
        if (page) page->setFocus();
    });
    connect(m_setup, &QAction::triggered, this, &PrintCommands::printerSetup);
    connect(m_print, &QAction::triggered, this, &PrintCommands::printDocument);
    connect(m_printAll, &QAction::triggered, this, &PrintCommands::printAll);
    connect(m_properties, &QAction::triggered, this, &PrintCommands::printingProperties);
    connect(&host.hostSignals(), &AppHostSignals::printRequested, this,
            [this](DocumentPage* page) { printNow(page, true); });

    if (IniFile* ini = m_host.configuration()) m_settings.load(*ini);
    // A print range never outlives the run it was chosen in.
    m_settings.printRange = PrintRange::AllPages;

    DocumentSet& docs = m_host.documents();
    connect(&docs, &DocumentSet::currentChanged, this, &PrintCommands::documentChanged);
    connect(&docs, &DocumentSet::titlesChanged, this, &PrintCommands::titlesChanged);

    askPdfFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(m_host.window(), QStringLiteral("Print to PDF"), suggested,
                                            QStringLiteral("PDF files (*.pdf)"));
    };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::addToMenus(MenuSet& menus) {
    QMenu* file = menus.menu(QStringLiteral("File"));
    QAction* exit = nullptr;
    for (QAction* a : file->actions())
        if (a->text() == QStringLiteral("E&xit")) exit = a;
    file->insertActions(exit, {m_setup, m_print, m_printAll});
    file->insertSeparator(exit);
    menus.menu(QStringLiteral("View"))->addAction(m_properties);
    QMenu* tab = menus.menu(QStringLiteral("Tab"));
    tab->addSeparator();
    tab->addAction(m_print);
}

void PrintCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    m_print->setEnabled(page && page->textLength() > 0);
    m_printNow->setEnabled(m_print->isEnabled());
    bool any = false;
    DocumentSet& docs = m_host.documents();
    for (int i = 0; i < docs.count() && !any; ++i) any = docs.page(i)->textLength() > 0;
    m_printAll->setEnabled(any);
}

void PrintCommands::documentChanged(DocumentPage* page) {
    // Page range, word wrap and title hold only while one document stays active.
    m_settingsPage = page;
    m_settings.fromPage = 1;
    m_settings.toPage = 0;
    m_settings.wordWrap = true;
    m_pageTitle = page ? page->title() : std::string();
    m_settings.title = m_pageTitle;
}

void PrintCommands::titlesChanged() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page != m_settingsPage) return;
    const std::string now = page->title();
    if (m_settings.title.empty() || m_settings.title == m_pageTitle) m_settings.title = now;
    m_pageTitle = now;
}

void PrintCommands::takeFromPage(DocumentPage* page) {
    if (page != m_settingsPage) documentChanged(page);
    m_settings.noPrinting = false;
    m_settings.printFile = fileutils::changeExtension(page->title(), "prn");
    m_settings.tabSettings = page->tabSettings();
}

std::string PrintCommands::dataDirectory() {
    if (IniFile* ini = m_host.configuration()) return fileutils::directoryOf(ini->path());
    return QFileInfo(QStringLiteral(".")).absoluteFilePath().toStdString();
}

void PrintCommands::saveSettings() {
    IniFile* ini = m_host.configuration();
    if (!ini) return;
    m_settings.save(*ini);
    std::string error;
    if (!ini->save(&error))
        msg::error(QStringLiteral("Unable to write to \"%1\"").arg(QString::fromStdString(ini->path())));
}

bool PrintCommands::execute(bool printAfter, bool allowSelection) {
    m_settings.options.selection = allowSelection;
    if (!allowSelection && m_settings.printRange == PrintRange::Selection)
        m_settings.printRange = PrintRange::AllPages;
    PrintDialog dialog(m_settings, *m_printer, m_host.window());
    DocumentPage* page = m_host.currentPage();
    dialog.onPreview = [this, page, &dialog](const PrintSettings& shown) {
        if (!page) return;
        const std::string text = shown.printRange == PrintRange::Selection && page->hasSelection()
                                     ? page->selectedBytes()
                                     : page->textBytes();
        m_printer->preview(shown, text, page->font(), &dialog);
    };
    if (dialog.exec() != QDialog::Accepted || !dialog.savePressed()) return false;
    dialog.readBack(m_settings);
    if (dialog.changed() && m_settings.autoSave) saveSettings();
    m_printPressed = dialog.printPressed();
    if (printAfter && m_printPressed && page) printText(page);
    return true;
}

void PrintCommands::printText(DocumentPage* page) {
    const std::string text =
        m_settings.printRange == PrintRange::Selection ? page->selectedBytes() : page->textBytes();
    if (text.empty()) return;
    if (!m_settings.printToFile && m_printer->toPdf()) {
        const QString suggested = QString::fromStdString(fileutils::changeExtension(
            page->hasFileName() ? page->title() : fileutils::join(dataDirectory(), page->title()), "pdf"));
        const QString file = askPdfFile ? askPdfFile(suggested) : QString();
        if (file.isEmpty()) return;
        m_printer->setPdfFile(file);
    }
    m_printer->print(m_settings, text, page->font(), dataDirectory(), m_host.window());
}

void PrintCommands::printerSetup() {
    QPrinter& printer = m_printer->printer();
    printer.setPageOrientation(m_settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&printer, m_host.window());
    if (dialog.exec() == QDialog::Accepted)
        m_settings.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
}

void PrintCommands::printDocument() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->textLength() == 0) return;
    takeFromPage(page);
    execute(true, page->selLength() > kSelectionToOffer);
    page->setFocus();
}

void PrintCommands::printNow(DocumentPage* page, bool wholeText) {
    if (!page || page->textLength() == 0) return;
    takeFromPage(page);
    if (!wholeText && page->selLength() > kSelectionToPrintNow) {
        m_settings.printRange = PrintRange::Selection;
        m_settings.options.selection = true;
    } else {
        m_settings.printRange = PrintRange::AllPages;
    }
    printText(page);
}

void PrintCommands::printAll() {
    DocumentPage* active = m_host.currentPage();
    if (!active) return;
    takeFromPage(active);
    m_settings.title = "[Document Name]";
    if (execute(false, false) && m_printPressed) {
        DocumentSet& docs = m_host.documents();
        for (int i = 0; i < docs.count(); ++i) {
            DocumentPage* page = docs.page(i);
            if (page->textLength() == 0) continue;
            docs.select(i);
            printNow(page, true);
        }
        for (int i = 0; i < docs.count(); ++i)
            if (docs.page(i) == active) docs.select(i);
    }
    m_settings.title = m_host.currentPage() ? m_host.currentPage()->title() : std::string();
    if (m_host.currentPage()) m_host.currentPage()->setFocus();
}

void PrintCommands::printingProperties() {
    m_settings.title.clear();
    m_settings.noPrinting = true;
    execute(true, false);
    m_settings.noPrinting = false;
    if (m_host.currentPage()) m_settings.title = m_host.currentPage()->title();
}

}  // namespace sj
