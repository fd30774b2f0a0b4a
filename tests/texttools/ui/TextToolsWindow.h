#pragma once
// A main window with one empty document and the text tool groups, for driving the
// commands' handlers as a user would through the menus.
#include <QApplication>

#include <memory>
#include <string>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj::testing {

struct TextToolsWindow {
    Options options;
    std::unique_ptr<MainWindow> window;
    DocumentPage* page = nullptr;

    TextToolsWindow() {
        window = std::make_unique<MainWindow>(options);
        window->resize(800, 600);
        page = window->documents().newPage();
    }
    ~TextToolsWindow() = default;
    TextToolsWindow(const TextToolsWindow&) = delete;
    TextToolsWindow& operator=(const TextToolsWindow&) = delete;

    template <typename Group>
    Group* add() {
        auto* group = new Group(*window);
        window->addCommandGroup(group);
        return group;
    }

    void setText(const std::string& text) {
        page->loadText(text);
        page->setModifiedFlag(false);
    }
    std::string text() const { return page->textBytes(); }
    std::string selected() const { return page->selectedBytes(); }
    void select(Pos start, Pos length) { page->setSel(start, length); }
};

// Answers every question box with the same answer and counts the questions.
struct QuestionAnswer {
    static inline msg::Answer answer = msg::Answer::Yes;
    static inline int asked = 0;
    static msg::Answer respond(const QString&, bool) {
        ++asked;
        return answer;
    }
    explicit QuestionAnswer(msg::Answer a) {
        answer = a;
        asked = 0;
        msg::setTestResponder(&respond);
    }
    ~QuestionAnswer() { msg::setTestResponder(nullptr); }
};

}  // namespace sj::testing
