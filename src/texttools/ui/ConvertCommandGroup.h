#pragma once
// Convert > Spaces (Single Space, Single Tab) and Convert to Ascii / Ansi Text.
#include "app/ui/CommandGroup.h"
#include "texttools/SpacingCommands.h"

namespace sj {

class ConvertCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit ConvertCommandGroup(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void ConvertSpaces(SpaceMode mode);
    void convertText();

private:
    QAction *m_singleSpace, *m_singleTab, *m_convertText;
};

}  // namespace sj
