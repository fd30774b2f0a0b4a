// Super Jotleaf: a plain-text editor with the Clipbook.
#include "shell/ui/Application.h"
#include "shell/ui/EditCommands.h"
#include "shell/ui/FileCommands.h"
#include "shell/ui/MainWindow.h"

int main(int argc, char** argv) {
    return sj::runApplication(argc, argv, [](sj::TQVA_FrmNotepad& window) {
        window.addCommandGroup(new sj::FileCommands(window));
        window.addCommandGroup(new sj::EditCommands(window));
    });
}
