#pragma once
// Printer Setup, Print and Print All of the File menu.
#include <memory>

#include "app/ui/CommandGroup.h"

namespace sj {

class DocumentPrinter;
class DocumentPage;

class PrintCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit PrintCommands(AppHost& host);
    ~PrintCommands() override;
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void printerSetup();
    void printDocument();
    void printAll();
    // The command line's print request: the page on the current printer, no dialog.
    void printWithoutDialog(DocumentPage* page);

    // Prints the pages, each starting on a new sheet; false when nothing was printed.
    static bool printPages(DocumentPrinter& printer, const QList<DocumentPage*>& pages, bool selectionOnly);

private:
    std::unique_ptr<DocumentPrinter> m_printer;
    QAction *m_setup, *m_print, *m_printAll;
};

}  // namespace sj
