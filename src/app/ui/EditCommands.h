#pragma once
// The Edit menu, the document commands of the shell (word wrap, font, insert
// file, paste board, rename, delete, read-only), tab navigation and the View
// switches.
#include "app/ui/CommandGroup.h"

namespace sj {

class EditCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit EditCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

private:
    void changeFontSize(int delta);
    void chooseFont();
    void selectTab(int which);
    QAction *m_undo, *m_redo, *m_reload, *m_cut, *m_copy, *m_paste, *m_pasteNew, *m_delete, *m_clearAll,
        *m_selectAll, *m_copyAll;
    QAction *m_wordWrap, *m_font, *m_larger, *m_smaller, *m_insertFile, *m_pasteBoard, *m_rename,
        *m_deleteFile, *m_readOnly;
    QAction *m_first, *m_last, *m_next, *m_previous, *m_current;
    QAction *m_stack, *m_multiple, *m_stayOnTop;
};

}  // namespace sj
