#pragma once
// Stands in for the user at the program's message boxes: every message is
// recorded, every question gets the same answer. Installed for its lifetime.
#include <QStringList>

#include "widgets/ui/MessageBoxes.h"

namespace sj::test {

class MessageRecorder {
public:
    explicit MessageRecorder(msg::Answer answer = msg::Answer::No) {
        messages().clear();
        s_answer = answer;
        msg::setTestResponder(respond);
        msg::setSoundsOn(false);
    }
    ~MessageRecorder() { msg::setTestResponder(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    static QStringList& messages() {
        static QStringList list;
        return list;
    }

private:
    static msg::Answer respond(const QString& text, bool) {
        messages() << text;
        return s_answer;
    }
    static inline msg::Answer s_answer = msg::Answer::No;
};

}  // namespace sj::test
