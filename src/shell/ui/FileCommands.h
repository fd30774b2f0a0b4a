#pragma once
// The File menu: open, new, reopen, save, close and exit.
#include "shell/ui/CommandGroup.h"

class QMenu;

namespace sj {

class FileCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit FileCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void Open1Click();
    void New1Click();
    void Save1Click();
    void SaveAs1Click();
    void SaveSelection1Click();
    void SaveAll1Click();
    void Close1Click();
    void CloseAll1Click();
    void Exit1Click();

private:
    void rebuildReopen();
    QAction *m_save, *m_saveAs, *m_saveSelection, *m_saveAll, *m_close, *m_closeAll;
    QAction *m_open, *m_new;
    QList<QMenu*> m_reopenMenus;
};

}  // namespace sj
