#pragma once
// Convert > Change Case and the editor's Change Case submenu.
#include "app/ui/CommandGroup.h"
#include "texttools/CaseCommands.h"

namespace sj {

class CaseCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit CaseCommandGroup(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void changeSelectionCase(CaseChange mode);

private:
    struct Items {
        QAction *invert, *upper, *lower, *capitalize;
    };
    Items makeItems(bool mainMenu);
    Items m_main{};
    Items m_context{};
};

}  // namespace sj
