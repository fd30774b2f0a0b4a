// Super Jotleaf: a plain-text editor with the Clipbook.
#include "browser/ui/MailCommands.h"
#include "clipbook/ui/ClipbookCommands.h"
#include "printing/ui/PrintCommands.h"
#include "shell/ui/Application.h"
#include "shell/ui/EditCommands.h"
#include "shell/ui/FileCommands.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowCommands.h"
#include "texttools/ui/FindCommands.h"
#include "texttools/ui/PageSelectorCommands.h"
#include "texttools/ui/CaseCommandGroup.h"
#include "texttools/ui/ConvertCommandGroup.h"
#include "texttools/ui/DateStampCommandGroup.h"
#include "texttools/ui/HtmlCommandGroup.h"
#include "texttools/ui/LineCommandGroup.h"
#include "texttools/ui/StatCommandGroup.h"
#include "workspace/ui/DocumentPropertiesCommands.h"

int main(int argc, char** argv) {
    return sj::runApplication(argc, argv, [](sj::TQVA_FrmNotepad& window) {
        window.addCommandGroup(new sj::FileCommands(window));
        window.addCommandGroup(new sj::EditCommands(window));
        window.addCommandGroup(new sj::DocumentPropertiesCommands(window));
        window.addCommandGroup(new sj::WindowCommands(window));
        window.addCommandGroup(new sj::FindCommands(window));
        window.addCommandGroup(new sj::PageSelectorCommands(window));
        window.addCommandGroup(new sj::ClipbookCommands(window, &window, &window));
        window.addCommandGroup(new sj::DateStampCommandGroup(window));
        window.addCommandGroup(new sj::LineCommandGroup(window));
        window.addCommandGroup(new sj::CaseCommandGroup(window));
        window.addCommandGroup(new sj::ConvertCommandGroup(window));
        window.addCommandGroup(new sj::HtmlCommandGroup(window));
        window.addCommandGroup(new sj::StatCommandGroup(window));
        window.addCommandGroup(new sj::PrintCommands(window));
        window.addCommandGroup(new sj::MailCommands(window));
        window.addCommandGroup(new sj::HelpCommands(window));
    });
}
