#pragma once
// The Search menu: Find, Search Again, Search Again Reverse, Replace and Jump
// to Line, and the main window's answers to the find and replace dialogs.
#include "app/ui/CommandGroup.h"
#include "texttools/FindEngine.h"
#include "texttools/ReplaceEngine.h"
#include "texttools/ui/FindPageSet.h"

namespace sj {

class FindController;
class ReplaceController;
class ProgressWindow;

class FindCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit FindCommands(AppHost& host);
    ~FindCommands() override;
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void startFind();
    void findAgain();
    void findAgainReverse();
    void startReplace();
    void findNext();
    void findNextToReplace();
    void checkReplaceable();
    void replaceOnce();
    void replaceAll();
    void continueFromStart(bool up);
    // Jump to Line, also the double click on the status bar's caret panel.
    void jumpToLine();

    FindEngine& engine() { return m_engine; }
    FindController& findController() { return *m_findController; }
    ReplaceController& replaceController() { return *m_replaceController; }
    // Replace All opens its progress window from this many bytes on.
    std::size_t progressThreshold = 4 * 1024 * 1024;
    QAction *findAction, *findAgainAction, *findAgainReverseAction, *replaceAction, *jumpToLineAction;

private:
    void report(const FindOutcome& outcome);
    bool replaceAllProgress(std::size_t done, std::size_t total);

    FindPageSet m_docs;
    FindEngine m_engine;
    ReplaceEngine m_replaceEngine{m_engine};
    FindController* m_findController;
    ReplaceController* m_replaceController;
    ProgressWindow* m_progress = nullptr;
    bool m_progressOpen = false;
    QAction *m_findInPopup, *m_findAgainInPopup, *m_replaceInPopup;
};

}  // namespace sj
