#pragma once
// Tools menu: the Document Selector (F6) and Auto Scroll.
#include <QPointer>

#include "shell/ui/CommandGroup.h"
#include "texttools/ui/PageSelector.h"

namespace sj {

class PageSelectorCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit PageSelectorCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void PageSelector1Click();
    void AutoScroll1Click();
    TfrmPageSelector* selector() const { return m_selector; }

    QAction *PageSelector1, *AutoScroll1;

private:
    QPointer<TfrmPageSelector> m_selector;
};

}  // namespace sj
