#include "texttools/ui/StatCommandGroup.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "document/ui/DocumentPage.h"
#include "texttools/TextStatistics.h"
#include "texttools/ui/StatisticsDialog.h"

namespace sj {

StatCommandGroup::StatCommandGroup(AppHost& host) : CommandGroup(host) {
    m_statistics = action(QStringLiteral("Text &Statistics..."), QKeySequence(Qt::Key_F10),
                          QStringLiteral("|Get detailed character and word count for current document"));
    m_statistics2 = action(QStringLiteral("Text &Statistics..."), {},
                           QStringLiteral("|Get detailed character and word count for current document"));
    connect(m_statistics, &QAction::triggered, this, &StatCommandGroup::showTextStatistics);
    connect(m_statistics2, &QAction::triggered, this, &StatCommandGroup::showTextStatistics);
}

StatCommandGroup::~StatCommandGroup() = default;

void StatCommandGroup::addToMenus(MenuSet& menus) {
    if (QMenu* tools = menus.menu(QStringLiteral("Tools"))) {
        tools->addSeparator();
        tools->addAction(m_statistics);
    }
    if (QMenu* editor = menus.menu(QStringLiteral("Editor"))) editor->addAction(m_statistics2);
}

std::unique_ptr<StatisticsDialog> StatCommandGroup::makeDialog() {
    DocumentPage* page = m_host.currentPage();
    std::string text;
    StatisticsScope scope = StatisticsScope::NoDocument;
    if (page) {
        const std::string_view all = page->textView();
        const StatisticsRange r = statisticsRange(
            all, {static_cast<std::size_t>(page->selStart()), static_cast<std::size_t>(page->selLength())},
            true);
        scope = r.scope;
        if (scope == StatisticsScope::SelectedText)
            page->setSel(static_cast<Pos>(r.range.start), static_cast<Pos>(r.range.length));
        text.assign(all.substr(r.range.start, r.range.length));
    }
    return std::make_unique<StatisticsDialog>(std::move(text), scope, m_collator.get(), m_host.window());
}

void StatCommandGroup::showTextStatistics() {
    const std::unique_ptr<StatisticsDialog> dialog = makeDialog();
    dialog->exec();
}

}  // namespace sj
