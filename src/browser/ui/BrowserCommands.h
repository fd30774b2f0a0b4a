#pragma once
// The browser and the text: "&View In Browser", "Open &Link...", a
// Ctrl+double-click on an address, and "&Open File at Caret".
#include <QPointer>

#include "app/ui/CommandGroup.h"
#include "browser/LinkHistory.h"
#include "browser/TextAroundCaret.h"
#include "browser/ui/BrowserLauncher.h"

namespace sj {

class DocumentPage;

class BrowserCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit BrowserCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    const LinkHistory& linkHistory() const { return m_history; }

    void viewInBrowser();
    void openLink();
    void openFileAtCaret();
    // The address at the caret of the current page, as a Ctrl+double-click opens it.
    void openLinkAtCaret();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void watchPage(DocumentPage* page);
    // Asks with the Open Link dialog, then opens what the user gave.
    void askAndOpen(const std::string& defaultText);
    TextAroundCaret textAroundSelection(DocumentPage* page, std::string& keep) const;

    QAction* m_view;
    QAction* m_link;
    QAction* m_fileAtCaret;
    LinkHistory m_history;
    BrowserLauncher m_browser;
    QPointer<DocumentPage> m_watched;
};

}  // namespace sj
