#include "texttools/ui/PageSelectorCommands.h"

#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include "shell/Options.h"
#include "shell/ui/AppHost.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MainWindow.h"
#include "texttools/ui/AutoScrollDialog.h"
#include "texttools/ui/PageSelector.h"

namespace sj {

PageSelectorCommands::PageSelectorCommands(AppHost& host) : CommandGroup(host) {
    PageSelector1 = action(QStringLiteral("&Document Selector"), QKeySequence(Qt::Key_F6),
                           QStringLiteral("|Display or hide document selector window"));
    PageSelector1->setCheckable(true);
    AutoScroll1 = action(QStringLiteral("A&uto Scroll..."), {},
                         QStringLiteral("|Automatic scrolling for hands-free reading of document"));
    connect(PageSelector1, &QAction::triggered, this, &PageSelectorCommands::PageSelector1Click);
    connect(AutoScroll1, &QAction::triggered, this, &PageSelectorCommands::AutoScroll1Click);
    // An open selector's placement reaches the option set before it is written.
    if (auto* main = dynamic_cast<TQVA_FrmNotepad*>(&host)) {
        auto previousShutdown = main->onShutdown;
        main->onShutdown = [this, previousShutdown] {
            if (m_selector) m_selector->savePlacement();
            if (previousShutdown) previousShutdown();
        };
    }
    // The selector comes back when it was open at the end of the last run.
    if (host.options().showSelector)
        QTimer::singleShot(0, this, [this] {
            if (!m_selector) PageSelector1Click();
        });
}

void PageSelectorCommands::addToMenus(MenuSet& menus) {
    if (QMenu* m = menus.menu(QStringLiteral("Tools"))) {
        m->addAction(AutoScroll1);
        m->addAction(PageSelector1);
    }
    // There is no panel around the editor to carry it, so it joins the editor's menu.
    if (QMenu* m = menus.menu(QStringLiteral("Editor"))) m->addAction(PageSelector1);
}

void PageSelectorCommands::updateEnabled() {
    PageSelector1->setChecked(!m_selector.isNull());
    TFilePage* page = m_host.currentPage();
    AutoScroll1->setEnabled(page && page->displayLineCount() > 0);
}

void PageSelectorCommands::PageSelector1Click() {
    if (m_selector) {
        PageSelector1->setChecked(true);
        m_selector->show();
        m_selector->raise();
        m_selector->activateWindow();
        m_selector->lbxPageNames->setFocus();
        return;
    }
    m_selector = new TfrmPageSelector(m_host, m_host.window());
    connect(m_selector, &TfrmPageSelector::closed, this, [this] {
        // Only a selector the user closed stays closed at the next start.
        m_host.options().showSelector = false;
        PageSelector1->setChecked(false);
    });
    m_host.options().showSelector = true;
    PageSelector1->setChecked(true);
    if (QWidget* w = m_host.window())
        m_selector->move(w->geometry().topRight() + QPoint(-m_selector->width() - 30, 80));
    m_selector->show();
    m_selector->lbxPageNames->setFocus();
}

void PageSelectorCommands::AutoScroll1Click() {
    TFilePage* page = m_host.currentPage();
    if (!page || page->displayLineCount() == 0) return;
    TfrmAutoScroll dialog(*page, m_host.window());
    dialog.setSpeed(static_cast<std::uint16_t>(std::clamp(m_host.options().autoScrollSpeed, 0, 65535)));
    dialog.exec();
    m_host.options().autoScrollSpeed = dialog.speed();
}

}  // namespace sj
