#pragma once
// Printer Setup, Print and Print All of the File menu (Print also in the
// tab strip's menu), Printing Properties of the View menu, printing at once
// from the toolbar, and the command line's print request. One set of print
// settings serves them all; the configuration keeps it between runs.
#include <QString>

#include <functional>
#include <memory>

#include "app/ui/CommandGroup.h"
#include "printing/PrintSettings.h"

class QFont;

namespace sj {

class DocumentPage;
class DocumentPrinter;

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
    void printingProperties();
    // Prints the page at once with the settings as they are: the selection
    // when more than 100 characters are selected (unless wholeText), else all.
    void printNow(DocumentPage* page, bool wholeText);

    PrintSettings& settings() { return m_settings; }
    DocumentPrinter& printer() { return *m_printer; }
    // Asks where PDF output goes; empty cancels. Tests answer in its place.
    std::function<QString(const QString& suggested)> askPdfFile;

private:
    // Shows the dialog; true when Print or Save was pressed.
    bool execute(bool printAfter, bool allowSelection);
    void printText(DocumentPage* page);
    void takeFromPage(DocumentPage* page);
    void documentChanged(DocumentPage* page);
    void titlesChanged();
    void saveSettings();
    std::string dataDirectory();

    std::unique_ptr<DocumentPrinter> m_printer;
    PrintSettings m_settings;
    DocumentPage* m_settingsPage = nullptr;  // the page the per-document settings belong to
    std::string m_pageTitle;
    bool m_printPressed = false;
    QAction *m_setup, *m_print, *m_printAll, *m_properties, *m_printNow;
};

}  // namespace sj
