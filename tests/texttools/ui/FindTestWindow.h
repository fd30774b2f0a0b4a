#pragma once
// A main window with pages of given texts and the find commands, and the
// answers the message boxes and input boxes would have shown.
#include <QApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "shell/Options.h"
#include "shell/ui/DocumentSet.h"
#include "shell/ui/FilePage.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/MessageBoxes.h"

namespace sj::test {

inline QStringList& shownMessages() {
    static QStringList messages;
    return messages;
}

inline msg::Answer recordMessage(const QString& text, bool) {
    shownMessages() << text;
    return msg::Answer::Yes;
}

struct FindTestWindow {
    Options options;
    std::unique_ptr<TQVA_FrmNotepad> window;

    explicit FindTestWindow(const std::vector<std::string>& texts) {
        shownMessages().clear();
        msg::setTestResponder(&recordMessage);
        window = std::make_unique<TQVA_FrmNotepad>(options);
        for (const std::string& t : texts) {
            TFilePage* p = docs().newPage();
            p->loadText(t);
        }
    }
    ~FindTestWindow() { msg::setTestResponder(nullptr); }

    DocumentSet& docs() { return window->documents(); }
    TFilePage* page(int i) { return docs().page(i); }
    std::string text(int i) { return std::string(page(i)->textView()); }
    std::string selected(int i) { return page(i)->selectedBytes(); }
};

}  // namespace sj::test
