#pragma once
// Where a print job's pages go: a printer, a PDF, a preview or a text file.
#include <string>
#include <vector>

#include "printing/PageLayout.h"
#include "printing/TabbedText.h"

namespace sj {

// A line from (x1, y) to (x2, y).
struct Rule {
    int x1 = 0;
    int x2 = 0;
    int y = 0;

    bool operator==(const Rule&) const = default;
};

// A page as it is drawn: text pieces at their top-left corners, and rules.
struct PageContent {
    int number = 0;
    std::vector<TextRun> texts;
    std::vector<Rule> rules;
};

class PageOutput {
public:
    virtual ~PageOutput() = default;
    // Whether the device makes collated copies itself.
    virtual bool makesCopies() const { return false; }
    virtual void setCopies(int) {}
    // A further pass of uncollated copies begins (pass from 0).
    virtual void beginPass(int) {}
    // false stops the job (a failed write); error() then says why.
    virtual bool outputPage(const LaidOutPage& page, const PageContent& content) = 0;
    // The job is over: cancelled means nothing of it may remain. false with error().
    virtual bool finish(bool cancelled) = 0;
    virtual std::string error() const { return {}; }
};

}  // namespace sj
