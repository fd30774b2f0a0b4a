#pragma once
// Records what a print job hands to its output, as text a test can compare.
#include <string>

#include "printing/PageOutput.h"

namespace sj {

class PageRecorder : public PageOutput {
public:
    bool deviceCopies = false;
    int failAtPage = 0;  // 1-based count of outputPage calls; 0 never fails

    bool makesCopies() const override { return deviceCopies; }
    void setCopies(int n) override { log += "copies " + std::to_string(n) + "\n"; }
    void beginPass(int pass) override { log += "pass " + std::to_string(pass + 1) + "\n"; }
    bool outputPage(const LaidOutPage& page, const PageContent& content) override {
        if (++m_calls == failAtPage) return false;
        pages += (pages.empty() ? "" : ",") + std::to_string(page.number);
        log += "page " + std::to_string(content.number) + "\n";
        for (const TextRun& t : content.texts)
            log += "  " + std::to_string(t.x) + "," + std::to_string(t.y) + " " + t.text + "\n";
        for (const Rule& r : content.rules)
            log += "  rule " + std::to_string(r.x1) + "-" + std::to_string(r.x2) + " at " +
                   std::to_string(r.y) + "\n";
        return true;
    }
    bool finish(bool cancelled) override {
        log += cancelled ? "cancelled\n" : "end\n";
        return true;
    }
    std::string error() const override { return "Error: the disk is full."; }

    std::string log;
    std::string pages;  // page numbers in output order

private:
    int m_calls = 0;
};

}  // namespace sj
