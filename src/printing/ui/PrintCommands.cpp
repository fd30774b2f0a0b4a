#include "printing/ui/PrintCommands.h"

#include <QMenu>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "printing/ui/DocumentPrinter.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

PrintCommands::PrintCommands(AppHost& host)
    : CommandGroup(host), m_printer(std::make_unique<DocumentPrinter>()) {
    m_setup =
        action(QStringLiteral("Pri&nter Setup..."), {}, QStringLiteral("|Choose the printer and the page"));
    m_print = action(QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                     QStringLiteral("|Print the current document"));
    m_printAll = action(QStringLiteral("Pr&int All..."), {}, QStringLiteral("|Print all open documents"));
    connect(m_setup, &QAction::triggered, this, &PrintCommands::printerSetup);
    connect(m_print, &QAction::triggered, this, &PrintCommands::printDocument);
    connect(m_printAll, &QAction::triggered, this, &PrintCommands::printAll);
    connect(&host.hostSignals(), &AppHostSignals::printRequested, this, &PrintCommands::printWithoutDialog);
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::addToMenus(MenuSet& menus) {
    QMenu* file = menus.menu(QStringLiteral("File"));
    QAction* exit = nullptr;
    for (QAction* a : file->actions())
        if (a->text() == QStringLiteral("E&xit")) exit = a;
    file->insertActions(exit, {m_setup, m_print, m_printAll});
    file->insertSeparator(exit);
}

void PrintCommands::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    m_print->setEnabled(page && page->textLength() > 0);
    bool any = false;
    DocumentSet& docs = m_host.documents();
    for (int i = 0; i < docs.count() && !any; ++i) any = docs.page(i)->textLength() > 0;
    m_printAll->setEnabled(any);
}

bool PrintCommands::printPages(DocumentPrinter& printer, const QList<DocumentPage*>& pages,
                               bool selectionOnly) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    bool printed = false;
    for (DocumentPage* page : pages) {
        if (page->textLength() == 0) continue;
        if (printed) printer.newPage();
        int first = -1, last = -1;
        if (selectionOnly && page->hasSelection()) {
            first = page->SendScintilla(EditorView::SCI_LINEFROMPOSITION, page->selStart());
            last =
                page->SendScintilla(EditorView::SCI_LINEFROMPOSITION, page->selStart() + page->selLength());
        }
        printed = printer.printDocument(painter, *page, page->qTitle(), first, last) || printed;
    }
    painter.end();
    return printed;
}

void PrintCommands::printerSetup() {
    QPageSetupDialog dialog(m_printer.get(), m_host.window());
    dialog.exec();
}

void PrintCommands::printDocument() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->textLength() == 0) return;
    QPrintDialog dialog(m_printer.get(), m_host.window());
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, page->hasSelection());
    if (dialog.exec() != QDialog::Accepted) return;
    const bool selection = dialog.printRange() == QAbstractPrintDialog::Selection;
    if (!printPages(*m_printer, {page}, selection))
        msg::error(QStringLiteral("Error: the document could not be printed!"));
}

void PrintCommands::printAll() {
    QPrintDialog dialog(m_printer.get(), m_host.window());
    dialog.setWindowTitle(QStringLiteral("Print All"));
    if (dialog.exec() != QDialog::Accepted) return;
    QList<DocumentPage*> pages;
    DocumentSet& docs = m_host.documents();
    for (int i = 0; i < docs.count(); ++i) pages << docs.page(i);
    if (!printPages(*m_printer, pages, false))
        msg::error(QStringLiteral("Error: the documents could not be printed!"));
}

void PrintCommands::printWithoutDialog(DocumentPage* page) {
    if (!page || page->textLength() == 0) return;
    if (!printPages(*m_printer, {page}, false))
        msg::error(QStringLiteral("Error: the document could not be printed!"));
}

}  // namespace sj
