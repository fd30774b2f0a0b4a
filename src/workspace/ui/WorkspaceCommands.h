#pragma once
// The main window's workspace: the toolbar with its properties dialog, the
// ruler over the document, and the View menu's switches for them. It shows
// or hides the menu bar, toolbar, status bar and ruler and stacks the tabs as
// the option set says, at start-up and whenever the preferences change, and
// hands the toolbar's layout and the ruler's state back at shut-down.
#include <QHash>
#include <QTimer>

#include "app/ui/CommandGroup.h"

class QMainWindow;
class QToolBar;

namespace sj {

class DocumentPage;
class DocumentRuler;
class ToolbarPanel;

class WorkspaceCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit WorkspaceCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    // Menu bar, toolbar, status bar, ruler and tab stacking as the options say.
    void applyViewOptions();
    // Binds the toolbar to the commands of every group; done when the window
    // is first shown, once all groups have added their menus.
    void bindToolbar();

    ToolbarPanel* toolbar() const { return m_panel; }
    QToolBar* toolbarHolder() const { return m_holder; }
    DocumentRuler* ruler() const { return m_ruler; }
    QMenu* toolbarMenu() const { return m_toolbarMenu; }

    // A refresh of the buttons' enabling is due.
    bool enablingPending() const { return m_enabling.isActive(); }

    void setToolbarShown(bool on);
    void setRulerShown(bool on);
    void editToolbar();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void pageChanged(DocumentPage* page);
    void storeState();
    // The button's state is worked out as the commands' enabling is: on a
    // short timer after a change, not on every keystroke.
    void scheduleEnabling();
    QHash<QString, QAction*> findCommands() const;

    QMainWindow* m_window;
    MenuSet* m_menus = nullptr;
    ToolbarPanel* m_panel;
    QToolBar* m_holder;
    DocumentRuler* m_ruler;
    QMenu* m_toolbarMenu;
    QAction *m_toolbarShown, *m_toolbarProperties, *m_rulerShown;
    QTimer m_enabling;
    QMetaObject::Connection m_pageConnections[3];
    bool m_bound = false;
};

}  // namespace sj
