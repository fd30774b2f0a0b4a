#pragma once
// The moments of the application a command group may take part in. The host
// emits them; each group connects what it needs, in the order the groups were
// added, and no group has to know the others.
#include <QObject>

namespace sj {

class DocumentPage;

class AppHostSignals : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Once, when the main window has been shown for the first time.
    void firstShown();
    // Start-up has opened the files of the command line; a further instance
    // runs beside another one that allows several.
    void commandLineProcessed(bool furtherInstance);
    // At shut-down, before the option set is written: tool windows hand in
    // their state.
    void shuttingDown();
    // The caret panel of the status bar was double-clicked.
    void jumpToLineRequested();
    // The command line asked for the page to be printed without a dialog.
    void printRequested(DocumentPage* page);
};

}  // namespace sj
