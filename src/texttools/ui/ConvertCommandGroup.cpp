#include "texttools/ui/ConvertCommandGroup.h"

#include <QApplication>
#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "texttools/CharsetCommands.h"
#include "texttools/ui/ConvertApply.h"

namespace sj {

ConvertCommandGroup::ConvertCommandGroup(AppHost& host) : CommandGroup(host) {
    m_singleSpace = action(QStringLiteral("Single &Space"), {},
                           QStringLiteral("|Convert multiple adjacent spaces to a single space character"));
    m_singleTab = action(QStringLiteral("Single &Tab"), {},
                         QStringLiteral("|Convert multiple adjacent spaces to a tab character"));
    m_convertText = action(QString::fromStdString(convertTextCaption(false)), {},
                           QLatin1Char('|') + QString::fromLatin1(kConvertTextHint));
    connect(m_singleSpace, &QAction::triggered, this, [this] { ConvertSpaces(SpaceMode::SingleSpace); });
    connect(m_singleTab, &QAction::triggered, this, [this] { ConvertSpaces(SpaceMode::SingleTab); });
    connect(m_convertText, &QAction::triggered, this, &ConvertCommandGroup::convertText);
}

void ConvertCommandGroup::addToMenus(MenuSet& menus) {
    if (QMenu* spaces = menus.submenu(QStringLiteral("Convert"), QStringLiteral("S&paces"))) {
        spaces->addAction(m_singleSpace);
        spaces->addAction(m_singleTab);
    }
    if (QMenu* convert = menus.menu(QStringLiteral("Convert"))) {
        convert->addSeparator();
        convert->addAction(m_convertText);
    }
}

void ConvertCommandGroup::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool writable = page && !page->isReadOnly() && !m_host.documents().browseMode;
    const bool hasLine = page && page->textLength() > 0;
    m_singleSpace->setEnabled(writable && hasLine);
    m_singleTab->setEnabled(writable && hasLine);
    m_convertText->setText(QString::fromStdString(convertTextCaption(page && page->oem())));
    m_convertText->setEnabled(page != nullptr);
}

void ConvertCommandGroup::ConvertSpaces(SpaceMode mode) {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    const auto change = sj::ConvertSpaces(page->textView(), static_cast<std::size_t>(page->selStart()),
                                          static_cast<std::size_t>(page->selLength()), mode);
    if (change) applyTextChange(*page, *change);
}

void ConvertCommandGroup::convertText() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CharsetConversion conv =
        sj::convertText(page->textView(), page->oem(), static_cast<std::size_t>(page->selStart()),
                        static_cast<std::size_t>(page->selLength()), page->isModified());
    // A read-only document changes its character set too: the flag decides how it is saved.
    const bool wasReadOnly = page->isReadOnly();
    page->setReadOnly(false);
    if (conv.text != page->textView()) page->replaceRange(0, page->textLength(), conv.text);
    page->setReadOnly(wasReadOnly);
    if (page->oem() != conv.oemText) page->toggleOem();
    page->setSel(static_cast<Pos>(conv.selStart), static_cast<Pos>(conv.selLength));
    if (conv.keepUnmodified) {
        page->clearUndo();
        page->setModifiedFlag(false);
    }
    QApplication::restoreOverrideCursor();
    m_host.refreshStatus();
}

}  // namespace sj
