#pragma once
// A main window with pages of given texts and the find commands, and the
// answers the message boxes and input boxes would have shown.
#include <QApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/MessageBoxes.h"

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
    std::unique_ptr<MainWindow> window;

    explicit FindTestWindow(const std::vector<std::string>& texts) {
        shownMessages().clear();
        msg::setTestResponder(&recordMessage);
        window = std::make_unique<MainWindow>(options);
        for (const std::string& t : texts) {
            DocumentPage* p = docs().newPage();
            p->loadText(t);
        }
    }
    ~FindTestWindow() { msg::setTestResponder(nullptr); }

    DocumentSet& docs() { return window->documents(); }
    DocumentPage* page(int i) { return docs().page(i); }
    std::string text(int i) { return std::string(page(i)->textView()); }
    std::string selected(int i) { return page(i)->selectedBytes(); }
};

}  // namespace sj::test
