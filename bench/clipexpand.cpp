// Expansion of a clip with 50 fields of every kind, prompts answered by a stub.
#include <benchmark/benchmark.h>

#include <string>

#include "clipbook/ClipExpander.h"
#include "clipbook/CommandClip.h"
#include "clipbook/DateFilterFieldSource.h"

namespace {

class StubPrompts : public sj::PromptHost {
public:
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& def) override {
        return def.empty() ? std::string("answer") : def;
    }
    std::optional<sj::AskComboResult> askCombo(const std::string&, const std::string&,
                                               const std::vector<std::string>& entries, int selected,
                                               bool) override {
        int i = selected >= 0 ? selected : 0;
        return sj::AskComboResult{entries[i], i};
    }
};

class StubDocument : public sj::ExpansionDocument {
public:
    std::string selectedText() const override { return "the selected words"; }
    bool isReadOnly() const override { return false; }
    std::string fileName() const override { return "/home/ann/projects/report.final.txt"; }
    bool isModified() const override { return false; }
    std::optional<std::string> makeTemporaryCopy() override { return "/tmp/qva~1.txt"; }
};

// Ten kinds of field, five times each, with some plain text and a comment line around them.
std::string fiftyFieldClip() {
    std::string body = "; letter template\r\n";
    for (int i = 0; i < 5; ++i) {
        std::string n = std::to_string(i);
        body += "Dear ^?[Name" + n + "=Sir],\r\n";
        body += "date ^[dd/mm/yyyy^] time ^[hh:nn]\r\n";
        body += "file ^** base ^*\r\n";
        body += "colour ^?[Colour" + n + "==red|_green|blue] size ^?[Size" + n + "=Small^=S|_Large^=L]\r\n";
        body += "again ^?[name" + n + "] quote ^?[Quote" + n + "=^&] bare ^?[]\r\n";
        body += ";; not a comment\r\n";
    }
    body += "Regards, ^&\r\n";
    return body;
}

void BM_ExpandFiftyFields(benchmark::State& state) {
    StubPrompts prompts;
    StubDocument doc;
    sj::DateTimeParts when;
    when.year = 2024;
    when.month = 5;
    when.day = 17;
    when.hour = 14;
    when.minute = 30;
    sj::DateFilterFieldSource dates(when, sj::LocaleNames::english());
    sj::ClipExpander expander(prompts, dates);
    const std::string body = fiftyFieldClip();
    for (auto _ : state) {
        sj::ExpansionResult r = expander.expand(body, &doc, true);
        benchmark::DoNotOptimize(r.edit.text.data());
    }
}
BENCHMARK(BM_ExpandFiftyFields)->Unit(benchmark::kMicrosecond);

void BM_CommandClipFiftyLines(benchmark::State& state) {
    StubPrompts prompts;
    StubDocument doc;
    sj::DateFilterFieldSource dates(sj::DateTimeParts{}, sj::LocaleNames::english());
    sj::ClipExpander expander(prompts, dates);
    std::string body;
    for (int i = 0; i < 50; ++i)
        body += "^!tool --in \"^&\" --out ^*.out --tag ^?[Tag" + std::to_string(i % 5) + "]\r\n";
    for (auto _ : state) {
        sj::ExpansionResult r = expander.expand(body, &doc, true);
        benchmark::DoNotOptimize(r.commands.data());
    }
}
BENCHMARK(BM_CommandClipFiftyLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
