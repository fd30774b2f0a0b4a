#pragma once
// Strip HTML Tags and Characters to HTML.
#include "app/ui/CommandGroup.h"

namespace sj {

class HtmlCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit HtmlCommandGroup(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void stripHtmlInSelection();
    void htmlEncodeSelection();

private:
    QAction *m_strip, *m_toHtml;
};

}  // namespace sj
