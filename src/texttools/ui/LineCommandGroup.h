#pragma once
// Convert > Lines and the Lines submenu of the editor's context menu: Sort, Join Lines,
// Split Lines, Adjust Line Breaks, Compress, Trim Blanks, Indent, Unindent, and Delete Line.
#include <memory>

#include "app/ui/CommandGroup.h"
#include "texttools/LineCommands.h"
#include "texttools/ui/UserCollator.h"

namespace sj {

class DocumentPage;

class LineCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit LineCommandGroup(AppHost& host);
    ~LineCommandGroup() override;
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void runLineAction(LineAction action);
    void MakeParagraph();
    void splitLongLines();
    void deleteCurrentLine();

    // The width callback Split Lines measures with: the page's font, tabs at its tab width.
    static TextWidthFn pageTextWidth(DocumentPage& page);
    static int pageAvailableWidth(DocumentPage& page);

private:
    struct Items {
        QAction *sort, *join, *split, *adjust, *compress, *trim, *indent, *unindent;
    };
    Items makeItems(bool mainMenu);
    void addItems(QMenu* menu, const Items& items);
    DocumentPage* writablePage();

    Items m_main{};
    Items m_context{};
    QAction* m_deleteLine = nullptr;
    UserCollator m_collator;
};

}  // namespace sj
