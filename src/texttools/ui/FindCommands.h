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
    void dlgFindFind();
    void dlgReplaceFind();
    void dlgReplaceReplaceCheck();
    void dlgReplaceReplace();
    void dlgReplaceReplaceAll();
    void dlgGotoStart(bool up);
    // Jump to Line, also the double click on the status bar's caret panel.
    void jumpToLine();

    FindEngine& engine() { return m_engine; }
    FindController& dlgFind() { return *m_dlgFind; }
    ReplaceController& dlgReplace() { return *m_dlgReplace; }
    // Replace All opens its progress window from this many bytes on.
    std::size_t progressThreshold = 4 * 1024 * 1024;
    QAction *Find2, *SearchAgain1, *SearchAgainReverse1, *Replace2, *JumptoLine1;

private:
    void report(const FindOutcome& outcome);
    bool replaceAllProgress(std::size_t done, std::size_t total);

    FindPageSet m_docs;
    FindEngine m_engine;
    ReplaceEngine m_replaceEngine{m_engine};
    FindController* m_dlgFind;
    ReplaceController* m_dlgReplace;
    ProgressWindow* m_progress = nullptr;
    bool m_progressOpen = false;
    QAction *Find1, *FindAgain1, *Replace1;
};

}  // namespace sj
