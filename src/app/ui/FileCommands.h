#pragma once
// The File menu: open, new, reopen, save, close and exit.
#include "app/ui/CommandGroup.h"

class QMenu;

namespace sj {

class FileCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit FileCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void openDocument();
    void newDocument();
    void saveDocument();
    void saveDocumentAs();
    void saveSelection();
    void saveAll();
    void closeDocument();
    void closeAll();
    void exitProgram();

private:
    void rebuildReopen();
    QAction *m_save, *m_saveAs, *m_saveSelection, *m_saveAll, *m_close, *m_closeAll;
    QAction *m_open, *m_new;
    QList<QMenu*> m_reopenMenus;
};

}  // namespace sj
