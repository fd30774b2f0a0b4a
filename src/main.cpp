// Super Jotleaf: a plain-text editor with the Clipbook.
#include "app/ui/Application.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/HelpCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/WindowCommands.h"
#include "browser/ui/BrowserCommands.h"
#include "browser/ui/MailCommands.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "favorites/ui/FavoriteCommands.h"
#include "printing/ui/PrintCommands.h"
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

int main(int argc, char** argv) {
    return sj::runApplication(argc, argv, [](sj::MainWindow& window) {
        window.addCommandGroup(new sj::FileCommands(window));
        window.addCommandGroup(new sj::EditCommands(window));
        window.addCommandGroup(new sj::DocumentPropertiesCommands(window));
        window.addCommandGroup(new sj::WindowCommands(window));
        window.addCommandGroup(new sj::FindCommands(window));
        window.addCommandGroup(new sj::DocumentSelectorCommands(window));
        window.addCommandGroup(new sj::ClipbookCommands(window, &window));
        window.addCommandGroup(new sj::DateStampCommandGroup(window));
        window.addCommandGroup(new sj::LineCommandGroup(window));
        window.addCommandGroup(new sj::CaseCommandGroup(window));
        window.addCommandGroup(new sj::ConvertCommandGroup(window));
        window.addCommandGroup(new sj::HtmlCommandGroup(window));
        window.addCommandGroup(new sj::StatCommandGroup(window));
        window.addCommandGroup(new sj::PrintCommands(window));
        window.addCommandGroup(new sj::MailCommands(window));
        window.addCommandGroup(new sj::BrowserCommands(window));
        window.addCommandGroup(new sj::FavoriteCommands(window));
        window.addCommandGroup(new sj::HelpCommands(window));
        auto* workspace = new sj::WorkspaceCommands(window);
        window.addCommandGroup(workspace);
        window.addCommandGroup(new sj::PreferencesCommands(window, *workspace));
    });
}
