#pragma once
// The main window's Clipbook commands: open, show and close the pane, add a
// clip from the document, choose a library by number, placement and font,
// library files as documents, and Expand Word. Also start-up and shut-down.
#include <QFont>
#include <QPointer>

#include <memory>

#include "app/ui/CommandGroup.h"
#include "clipbook/ClipbookPlacement.h"
#include "clipbook/ui/ClipPaster.h"
#include "clipbook/ui/ClipbookPane.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/ProcessLauncher.h"
#include "widgets/ui/QtStrings.h"

class QMainWindow;

namespace sj {

class ClipbookCommands : public CommandGroup {
    Q_OBJECT
public:
    // window may be null in tests that only need the pane and the commands.
    ClipbookCommands(AppHost& host, QMainWindow* main);
    ~ClipbookCommands() override;

    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void toggleClipbook();
    void addToClipbook();
    void openLibrary();
    void newLibrary();
    void expandWord();
    void pasteClipNumber(int n);
    void setPlacement(ClipbookPlacement pos);
    void chooseClipbookFont();
    void useDefaultClipbookFont();

    // The single open Clipbook, null when closed.
    ClipbookPane* clipbook() const { return m_panel; }
    // opened hidden: loaded for Expand Word only.
    void openClipbook(bool hidden, bool focus);
    void shutDown();
    // Where the libraries are: DefaultTemplate's directory or the configuration directory.
    std::string libraryDirectory() const;
    // A first run gets the sample library so the Clipbook is not empty.
    static bool installSampleLibrary(const std::string& directory, const std::string& sampleFile);

    // Library pages: the name a Save As should use (empty: cancelled), and
    // what a save means for the open Clipbook.
    std::string askLibrarySaveName();
    void librarySaved(const std::string& oldName, const std::string& newName);
    // After a page's file was renamed on disk: the Clipbook follows its current library.
    void libraryRenamed(const std::string& oldName, const std::string& newName);

    ClipPaster& paster() { return m_paster; }

private:
    void collectSettings();
    void followDocument();
    QFont storedListFont() const;

    QMainWindow* m_main;
    DialogPromptHost m_prompts;
    ProcessLauncher m_launcher;
    ClipPaster m_paster;
    QPointer<ClipbookPane> m_panel;
    QAction *m_clipbook, *m_add, *m_openTemplate, *m_newTemplate, *m_expand, *m_expandKey;
    QAction *m_float, *m_left, *m_right, *m_font, *m_defaultFont;
    QList<QAction*> m_clipN;
};

}  // namespace sj
