#pragma once
// The Help menu: the program's own read-me and what is new, and the version.
#include "app/ui/CommandGroup.h"

namespace sj {

class HelpCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit HelpCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;

private:
    void openOwnFile(const char* name);
    void showAbout();
};

}  // namespace sj
