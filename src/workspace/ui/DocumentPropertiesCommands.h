#pragma once
// "&Properties..." of the Document menu and "Doc&ument Properties..." of the
// tab menu: the current document's own settings.
#include "shell/ui/CommandGroup.h"
#include "workspace/DocumentSettings.h"

namespace sj {

class TFilePage;
struct Options;

class DocumentPropertiesCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit DocumentPropertiesCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void PageProperties1Click();

    static DocumentSettings settingsOf(const TFilePage& page, const Options& options);
    static DocumentSettings windowDefaults(const Options& options);
    // Gives the page the dialog's result; the program takes the tab units.
    static void apply(TFilePage& page, const DocumentSettings& s, Options& options);

private:
    QAction* m_properties;
    QAction* m_tabProperties;
};

}  // namespace sj
