#include "texttools/ui/HtmlCommandGroup.h"

#include <QApplication>
#include <QMenu>

#include "shell/ui/AppHost.h"
#include "shell/ui/DocumentSet.h"
#include "shell/ui/FilePage.h"
#include "texttools/HtmlEntities.h"
#include "texttools/HtmlStrip.h"
#include "texttools/ui/ConvertApply.h"

namespace sj {

HtmlCommandGroup::HtmlCommandGroup(AppHost& host) : CommandGroup(host) {
    m_strip = action(QStringLiteral("Strip &HTML Tags"), {},
                     QStringLiteral("|Remove HTML tags from selected text or current document"));
    m_toHtml = action(QStringLiteral("Characters to HTML"), {},
                      QStringLiteral("|Convert extended characters to the corresponding HTML syntax"));
    connect(m_strip, &QAction::triggered, this, &HtmlCommandGroup::StripHTMLTags1Click);
    connect(m_toHtml, &QAction::triggered, this, &HtmlCommandGroup::CharacterstoHTML1Click);
}

void HtmlCommandGroup::addToMenus(MenuSet& menus) {
    if (QMenu* convert = menus.menu(QStringLiteral("Convert"))) {
        convert->addSeparator();
        convert->addAction(m_strip);
        convert->addAction(m_toHtml);
    }
}

void HtmlCommandGroup::updateEnabled() {
    TFilePage* page = m_host.currentPage();
    const bool on = page && !page->isReadOnly() && !m_host.documents().browseMode && page->textLength() > 0;
    m_strip->setEnabled(on);
    m_toHtml->setEnabled(on);
}

void HtmlCommandGroup::StripHTMLTags1Click() {
    TFilePage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto result =
        sj::StripHTMLTags1Click(page->textView(), static_cast<std::size_t>(page->selStart()),
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

void HtmlCommandGroup::CharacterstoHTML1Click() {
    TFilePage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    applyTextChange(*page,
                    sj::CharacterstoHTML1Click(page->textView(), static_cast<std::size_t>(page->selStart()),
                                               static_cast<std::size_t>(page->selLength())));
    QApplication::restoreOverrideCursor();
}

}  // namespace sj
