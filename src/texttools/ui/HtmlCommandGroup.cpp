#include "texttools/ui/HtmlCommandGroup.h"

#include <QApplication>
#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "texttools/HtmlEntities.h"
#include "texttools/HtmlStrip.h"
#include "texttools/ui/ConvertApply.h"

namespace sj {

HtmlCommandGroup::HtmlCommandGroup(AppHost& host) : CommandGroup(host) {
    m_strip = action(QStringLiteral("Strip &HTML Tags"), {},
                     QStringLiteral("|Remove HTML tags from selected text or current document"));
    m_toHtml = action(QStringLiteral("Characters to HTML"), {},
                      QStringLiteral("|Convert extended characters to the corresponding HTML syntax"));
    connect(m_strip, &QAction::triggered, this, &HtmlCommandGroup::stripHtmlInSelection);
    connect(m_toHtml, &QAction::triggered, this, &HtmlCommandGroup::htmlEncodeSelection);
}

void HtmlCommandGroup::addToMenus(MenuSet& menus) {
    if (QMenu* convert = menus.menu(QStringLiteral("Convert"))) {
        convert->addSeparator();
        convert->addAction(m_strip);
        convert->addAction(m_toHtml);
    }
}

void HtmlCommandGroup::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool on = page && !page->isReadOnly() && !m_host.documents().browseMode && page->textLength() > 0;
    m_strip->setEnabled(on);
    m_toHtml->setEnabled(on);
}

void HtmlCommandGroup::stripHtmlInSelection() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto result =
        sj::stripHtmlInSelection(page->textView(), static_cast<std::size_t>(page->selStart()),
                                 static_cast<std::size_t>(page->selLength()), page->wordWrap());
    if (result) {
        if (result->switchWordWrapOn) {
            page->setWordWrap(true);
            page->setDefaultSettings(false);
        }
        applyTextChange(*page, result->change);
    }
    QApplication::restoreOverrideCursor();
    m_host.refreshStatus();
}

void HtmlCommandGroup::htmlEncodeSelection() {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    applyTextChange(*page,
                    sj::htmlEncodeSelection(page->textView(), static_cast<std::size_t>(page->selStart()),
                                            static_cast<std::size_t>(page->selLength())));
    QApplication::restoreOverrideCursor();
}

}  // namespace sj
