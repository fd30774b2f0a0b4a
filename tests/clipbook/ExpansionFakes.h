#pragma once
// Stand-ins for the user, the document, the clock and the desktop, so clip
// expansion runs without a window.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "clipbook/DateFieldSource.h"
#include "clipbook/ExpansionDocument.h"
#include "clipbook/Launcher.h"
#include "clipbook/PromptHost.h"

namespace sj::testing {

struct AskedQuestion {
    bool combo = false;
    std::string caption;
    std::string label;
    std::string defaultText;
    std::vector<std::string> entries;
    int selected = -1;
    bool mustPick = false;
};

// Answers questions from a script; nullopt answers cancel.
class ScriptedPrompts : public PromptHost {
public:
    std::deque<std::optional<AskComboResult>> answers;
    std::vector<AskedQuestion> asked;

    void answer(std::string text, int index = -1) {
        answers.push_back(AskComboResult{std::move(text), index});
    }
    void cancel() { answers.push_back(std::nullopt); }

    std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                       const std::string& defaultText) override {
        asked.push_back({false, caption, label, defaultText, {}, -1, false});
        std::optional<AskComboResult> a = next();
        if (!a) return std::nullopt;
        return a->text;
    }
    std::optional<AskComboResult> askCombo(const std::string& caption, const std::string& label,
                                           const std::vector<std::string>& entries, int selected,
                                           bool mustPick) override {
        asked.push_back({true, caption, label, "", entries, selected, mustPick});
        return next();
    }

private:
    std::optional<AskComboResult> next() {
        if (answers.empty()) return AskComboResult{"<unscripted>", -1};
        std::optional<AskComboResult> a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeDocument : public ExpansionDocument {
public:
    std::string selection;
    std::string name = "/home/ann/docs/letter.txt";
    bool readOnly = false;
    bool modified = false;
    bool copyFails = false;
    int copies = 0;

    std::string selectedText() const override { return selection; }
    bool isReadOnly() const override { return readOnly; }
    std::string fileName() const override { return name; }
    bool isModified() const override { return modified; }
    std::optional<std::string> makeTemporaryCopy() override {
        if (copyFails) return std::nullopt;
        return "/tmp/qva~" + std::to_string(++copies) + ".txt";
    }
};

// Shows the pattern it was given, so tests see exactly which pattern each field used.
class EchoDates : public DateFieldSource {
public:
    std::vector<std::string> patterns;
    std::string format(std::string_view pattern) override {
        patterns.emplace_back(pattern);
        return "<" + std::string(pattern) + ">";
    }
};

class RecordingLauncher : public Launcher {
public:
    std::vector<std::string> log;
    std::vector<std::vector<std::string>> started;  // program followed by arguments
    std::vector<std::string> documents;             // names that count as documents
    std::vector<std::string> failingPrograms;
    bool documentOpenFails = false;
    int nextId = 1;

    std::optional<ProcessId> startProgram(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          bool keepForWait) override {
        for (const std::string& f : failingPrograms) {
            if (f == program) {
                log.push_back("fail " + program);
                return std::nullopt;
            }
        }
        std::vector<std::string> argv{program};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        started.push_back(argv);
        int id = nextId++;
        log.push_back("start " + program + (keepForWait ? " keep#" : " #") + std::to_string(id));
        return id;
    }
    void waitForProgram(ProcessId id) override { log.push_back("wait #" + std::to_string(id)); }
    void releaseProgram(ProcessId id) override { log.push_back("release #" + std::to_string(id)); }
    bool isDocument(const std::string& path) override {
        for (const std::string& d : documents) {
            if (d == path) return true;
        }
        return false;
    }
    bool openDocument(const std::string& path) override {
        log.push_back("open " + path);
        return !documentOpenFails;
    }
    void openUrl(const std::string& url) override { log.push_back("url " + url); }
    void showInformation(const std::string& message) override { log.push_back("info " + message); }
    void showError(const std::string& message) override { log.push_back("error " + message); }
};

}  // namespace sj::testing
