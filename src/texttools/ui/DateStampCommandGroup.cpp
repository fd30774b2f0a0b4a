#include "texttools/ui/DateStampCommandGroup.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/LocaleDates.h"
#include "texttools/InsertCommands.h"
#include "texttools/ui/ConvertApply.h"

namespace sj {

DateStampCommandGroup::DateStampCommandGroup(AppHost& host) : CommandGroup(host) {
    m_insertDate = action(QStringLiteral("Insert &Date/Time"), QKeySequence(Qt::Key_F5),
                          QStringLiteral("|Insert current date and time"));
    m_insertDate2 =
        action(QStringLiteral("Insert &Date"), {}, QStringLiteral("|Insert current date and time"));
    m_pageBreak = action(QStringLiteral("Insert Page &Break"), {},
                         QStringLiteral("|Insert a page break (starts a new page when printing)"));
    connect(m_insertDate, &QAction::triggered, this, &DateStampCommandGroup::SBPasteTimeClick);
    connect(m_insertDate2, &QAction::triggered, this, &DateStampCommandGroup::SBPasteTimeClick);
    connect(m_pageBreak, &QAction::triggered, this, &DateStampCommandGroup::insertFormFeed);
}

void DateStampCommandGroup::addToMenus(MenuSet& menus) {
    if (QMenu* doc = menus.menu(QStringLiteral("Document"))) {
        doc->addSeparator();
        doc->addAction(m_insertDate);
        doc->addAction(m_pageBreak);
    }
    if (QMenu* editor = menus.menu(QStringLiteral("Editor"))) editor->addAction(m_insertDate2);
}

void DateStampCommandGroup::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool writable = page && !page->isReadOnly() && !m_host.documents().browseMode;
    for (QAction* a : {m_insertDate, m_insertDate2, m_pageBreak}) a->setEnabled(writable);
}

void DateStampCommandGroup::SBPasteTimeClick() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    const bool readOnly = page->isReadOnly() || m_host.documents().browseMode;
    const std::string stamp = currentDateStamp(m_host.options().dateFilter);
    if (const auto change = sj::SBPasteTimeClick(page->textView(), static_cast<std::size_t>(page->selStart()),
                                                 stamp, readOnly)) {
        applyTextChange(*page, *change);
        page->ensureCursorVisible();
    }
}

void DateStampCommandGroup::insertFormFeed() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    const bool readOnly = page->isReadOnly() || m_host.documents().browseMode;
    if (const auto change =
            sj::insertFormFeed(page->textView(), static_cast<std::size_t>(page->selStart()), readOnly)) {
        applyTextChange(*page, *change);
        page->ensureCursorVisible();
    }
}

}  // namespace sj
