#pragma once
// The main window as the program builds it: every command group, the
// toolbar and the ruler, shown and active, in a scratch configuration
// directory.
#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/HelpCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/WindowCommands.h"
#include "browser/ui/BrowserCommands.h"
#include "browser/ui/MailCommands.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "favorites/ui/FavoriteCommands.h"
#include "printing/ui/PrintCommands.h"
#include "support/ScratchDir.h"
#include "texttools/ui/CaseCommandGroup.h"
#include "texttools/ui/ConvertCommandGroup.h"
#include "texttools/ui/DateStampCommandGroup.h"
#include "texttools/ui/DocumentSelectorCommands.h"
#include "texttools/ui/FindCommands.h"
#include "texttools/ui/HtmlCommandGroup.h"
#include "texttools/ui/LineCommandGroup.h"
#include "texttools/ui/StatCommandGroup.h"
#include "workspace/ui/DocumentPropertiesCommands.h"
#include "workspace/ui/PreferencesCommands.h"
#include "workspace/ui/WorkspaceCommands.h"

namespace sj::test {

struct WorkspaceWindow {
    ScratchDir config;
    Options options;
    std::unique_ptr<MainWindow> window;
    WorkspaceCommands* workspace = nullptr;
    PreferencesCommands* preferences = nullptr;

    explicit WorkspaceWindow(const std::function<void(Options&)>& configure = {}) {
        setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        if (configure) configure(options);
        window = std::make_unique<MainWindow>(options);
        MainWindow& w = *window;
        w.addCommandGroup(new FileCommands(w));
        w.addCommandGroup(new EditCommands(w));
        w.addCommandGroup(new DocumentPropertiesCommands(w));
        w.addCommandGroup(new WindowCommands(w));
        w.addCommandGroup(new FindCommands(w));
        w.addCommandGroup(new DocumentSelectorCommands(w));
        w.addCommandGroup(new ClipbookCommands(w, &w));
        w.addCommandGroup(new DateStampCommandGroup(w));
        w.addCommandGroup(new LineCommandGroup(w));
        w.addCommandGroup(new CaseCommandGroup(w));
        w.addCommandGroup(new ConvertCommandGroup(w));
        w.addCommandGroup(new HtmlCommandGroup(w));
        w.addCommandGroup(new StatCommandGroup(w));
        w.addCommandGroup(new PrintCommands(w));
        w.addCommandGroup(new MailCommands(w));
        w.addCommandGroup(new BrowserCommands(w));
        w.addCommandGroup(new FavoriteCommands(w, config.path()));
        w.addCommandGroup(new HelpCommands(w));
        workspace = new WorkspaceCommands(w);
        w.addCommandGroup(workspace);
        preferences = new PreferencesCommands(w, *workspace);
        w.addCommandGroup(preferences);
        w.finishMenus();
        w.documents().newPage();
        w.resize(900, 600);
        w.show();
        QApplication::setActiveWindow(&w);
        QTest::qWaitForWindowExposed(&w);
        page()->setFocus();
        QApplication::processEvents();
    }
    ~WorkspaceWindow() {
        window.reset();
        unsetenv("XDG_CONFIG_HOME");
    }
    WorkspaceWindow(const WorkspaceWindow&) = delete;
    WorkspaceWindow& operator=(const WorkspaceWindow&) = delete;

    DocumentPage* page() { return window->currentPage(); }
    // Until the toolbar's enabling has caught up with the last change.
    void settle() {
        QApplication::processEvents();
        QTest::qWaitFor([this] { return !workspace->enablingPending(); }, 5000);
        QApplication::processEvents();
    }
};

}  // namespace sj::test
