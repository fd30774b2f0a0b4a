#include "texttools/ui/DocumentSelectorCommands.h"

#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include "app/ui/AppHost.h"
#include "app/ui/AppHostSignals.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "texttools/ui/AutoScrollDialog.h"
#include "texttools/ui/DocumentSelector.h"

namespace sj {

DocumentSelectorCommands::DocumentSelectorCommands(AppHost& host) : CommandGroup(host) {
    documentSelectorAction = action(QStringLiteral("&Document Selector"), QKeySequence(Qt::Key_F6),
                                    QStringLiteral("|Display or hide document selector window"));
    documentSelectorAction->setCheckable(true);
    m_autoScroll = action(QStringLiteral("A&uto Scroll..."), {},
                          QStringLiteral("|Automatic scrolling for hands-free reading of document"));
    connect(documentSelectorAction, &QAction::triggered, this,
            &DocumentSelectorCommands::showDocumentSelector);
    connect(m_autoScroll, &QAction::triggered, this, &DocumentSelectorCommands::showAutoScroll);
    // An open selector's placement reaches the option set before it is written.
    connect(&host.hostSignals(), &AppHostSignals::shuttingDown, this, [this] {
        if (m_selector) m_selector->savePlacement();
    });
    // The selector comes back when it was open at the end of the last run.
    if (host.options().showSelector)
        QTimer::singleShot(0, this, [this] {
            if (!m_selector) showDocumentSelector();
        });
}

void DocumentSelectorCommands::addToMenus(MenuSet& menus) {
    if (QMenu* m = menus.menu(QStringLiteral("Tools"))) {
        m->addAction(m_autoScroll);
        m->addAction(documentSelectorAction);
    }
    // There is no panel around the editor to carry it, so it joins the editor's menu.
    if (QMenu* m = menus.menu(QStringLiteral("Editor"))) m->addAction(documentSelectorAction);
}

void DocumentSelectorCommands::updateEnabled() {
    documentSelectorAction->setChecked(!m_selector.isNull());
    DocumentPage* page = m_host.currentPage();
    m_autoScroll->setEnabled(page && page->displayLineCount() > 0);
}

void DocumentSelectorCommands::showDocumentSelector() {
    if (m_selector) {
        documentSelectorAction->setChecked(true);
        m_selector->show();
        m_selector->raise();
        m_selector->activateWindow();
        m_selector->pageList->setFocus();
        return;
    }
    m_selector = new DocumentSelector(m_host, m_host.window());
    connect(m_selector, &DocumentSelector::closed, this, [this] {
        // Only a selector the user closed stays closed at the next start.
        m_host.options().showSelector = false;
        documentSelectorAction->setChecked(false);
    });
    m_host.options().showSelector = true;
    documentSelectorAction->setChecked(true);
    if (QWidget* w = m_host.window())
        m_selector->move(w->geometry().topRight() + QPoint(-m_selector->width() - 30, 80));
    m_selector->show();
    // The next arrow key moves through the list, not through the document.
    m_selector->raise();
    m_selector->activateWindow();
    m_selector->pageList->setFocus();
}

void DocumentSelectorCommands::showAutoScroll() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->displayLineCount() == 0) return;
    AutoScrollDialog dialog(*page, m_host.window());
    dialog.setSpeed(static_cast<std::uint16_t>(std::clamp(m_host.options().autoScrollSpeed, 0, 65535)));
    dialog.exec();
    m_host.options().autoScrollSpeed = dialog.speed();
}

}  // namespace sj
