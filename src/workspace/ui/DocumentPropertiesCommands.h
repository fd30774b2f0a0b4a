#pragma once
// "&Properties..." of the Document menu and "Doc&ument Properties..." of the
// tab menu: the current document's own settings.
#include "app/ui/CommandGroup.h"
#include "workspace/DocumentSettings.h"

namespace sj {

class DocumentPage;
struct Options;

class DocumentPropertiesCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit DocumentPropertiesCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void showDocumentProperties();

    static DocumentSettings settingsOf(const DocumentPage& page, const Options& options);
    static DocumentSettings windowDefaults(const Options& options);
    // Gives the page the dialog's result; the program takes the tab units.
    static void apply(DocumentPage& page, const DocumentSettings& s, Options& options);

private:
    QAction* m_properties;
    QAction* m_tabProperties;
};

}  // namespace sj
