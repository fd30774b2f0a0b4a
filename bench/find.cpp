// Find Next and Replace All over big documents. Run through bench/find.sh to
// compare with sed on the same text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <string>

#include "texttools/FindEngine.h"
#include "texttools/ReplaceEngine.h"

using namespace sj;

namespace {

constexpr std::size_t kBig = 50u << 20;
constexpr const char* kTarget = "Quokkafinch";
constexpr const char* kAccented = "\xC3\x89mulark";  // Émulark
constexpr const char* kEarly = "Wombatlark";

// Words without an "x", lines of about 70 characters with CR LF; every
// `markEvery`-th word is "xylo" so that Replace All has a known number of
// matches; the target word stands near the end.
std::string makeText(std::size_t size, std::size_t markEvery) {
    static const char* words[] = {"the",  "quick", "brown",       "fawn",         "jumps",
                                  "over", "lazy",  "dog",         "and",          "then",
                                  "some", "more",  "words",       "follow",       "in",
                                  "a",    "long",  "line",        "of",           "plain",
                                  "text", "with",  "caf\xC3\xA9", "na\xC3\xAFve", "r\xC3\xA9sum\xC3\xA9"};
    std::string s;
    s.reserve(size + 100);
    unsigned seed = 1;
    std::size_t col = 0, n = 0;
    while (s.size() < size) {
        ++n;
        const char* w =
            markEvery && n % markEvery == 0 ? "xylo" : words[(seed = seed * 1103515245 + 12345) % 25];
        s += w;
        col += std::strlen(w) + 1;
        if (col > 70) {
            s += "\r\n";
            col = 0;
        } else {
            s += ' ';
        }
    }
    s.replace(size - 1000, std::strlen(kTarget), kTarget);
    s.replace(size - 900, std::strlen(kAccented), kAccented);
    s.replace(1000, std::strlen(kEarly), kEarly);
    return s;
}

const std::string& bigText() {
    static const std::string text = makeText(kBig, 0);
    return text;
}

class Doc : public FindDocument {
public:
    explicit Doc(std::string t) : m_text(std::move(t)) {}
    std::string_view text() const override { return m_text; }
    std::size_t selectionStart() const override { return m_start; }
    std::size_t selectionLength() const override { return m_len; }
    void select(std::size_t p, std::size_t l) override { m_start = p, m_len = l; }
    bool readOnly() const override { return false; }
    void replaceRange(std::size_t p, std::size_t l, std::string_view w) override { m_text.replace(p, l, w); }
    std::string m_text;
    std::size_t m_start = 0, m_len = 0;
};

class Docs : public FindDocumentSet {
public:
    std::size_t count() const override { return m_docs.size(); }
    std::size_t currentIndex() const override { return m_current; }
    FindDocument& document(std::size_t i) override { return m_docs[i]; }
    void activate(std::size_t i) override { m_current = i; }
    std::deque<Doc> m_docs;
    std::size_t m_current = 0;
};

// The engine from a caret at one end of the 50 MB text to the target near the
// other end; the text is shared, not copied.
class ViewDoc : public Doc {
public:
    ViewDoc() : Doc("") {}
    std::string_view text() const override { return bigText(); }
};

class ViewDocs : public FindDocumentSet {
public:
    std::size_t count() const override { return 1; }
    std::size_t currentIndex() const override { return 0; }
    FindDocument& document(std::size_t) override { return m_doc; }
    void activate(std::size_t) override {}
    ViewDoc m_doc;
};

void findNext(benchmark::State& state, bool matchCase, bool down, const char* needle) {
    ViewDocs docs;
    FindEngine engine;
    engine.findSettings().setSearchToken(needle);
    engine.findSettings().options.setMatchCase(matchCase);
    engine.findSettings().options.setDown(down);
    for (auto _ : state) {
        docs.m_doc.select(down ? 0 : bigText().size(), 0);
        const FindOutcome r = engine.findNext(docs);
        if (!r.found) state.SkipWithError("target not found");
        benchmark::DoNotOptimize(docs.m_doc.selectionStart());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bigText().size()));
}

void BM_FindNextCaseSensitiveDown(benchmark::State& s) {
    findNext(s, true, true, kTarget);
}
void BM_FindNextCaseInsensitiveDown(benchmark::State& s) {
    findNext(s, false, true, "quokkaFINCH");
}
void BM_FindNextCaseSensitiveUp(benchmark::State& s) {
    findNext(s, true, false, kEarly);
}
void BM_FindNextCaseInsensitiveUp(benchmark::State& s) {
    findNext(s, false, false, "WOMBATLARK");
}
void BM_FindNextNonAsciiNeedleDown(benchmark::State& s) {
    findNext(s, false, true, "\xC3\xA9MULARK");
}

void replaceAll(benchmark::State& state, std::size_t occurrences) {
    // Spread the marker word so that there are exactly `occurrences` of it.
    std::string text = makeText(kBig, 0);
    const std::size_t step = text.size() / occurrences;
    for (std::size_t i = 0; i < occurrences; ++i) {
        std::size_t at = i * step;
        while (static_cast<unsigned char>(text[at]) >= 0x80) ++at;  // keep characters whole
        text.replace(at, 4, "xylo");
    }
    for (auto _ : state) {
        state.PauseTiming();
        Docs docs;
        docs.m_docs.emplace_back(text);
        FindEngine engine;
        ReplaceEngine replace(engine);
        engine.replaceSettings().setSearchToken("xylo");
        engine.replaceSettings().setReplaceToken("ylo");
        engine.replaceSettings().options.setMatchCase(true);
        state.ResumeTiming();
        const ReplaceAllOutcome r = replace.replaceAll(docs);
        if (r.count != occurrences) state.SkipWithError("wrong count");
    }
    state.counters["replacements"] = static_cast<double>(occurrences);
}

void BM_ReplaceAll100k(benchmark::State& s) {
    replaceAll(s, 100'000);
}
void BM_ReplaceAll1M(benchmark::State& s) {
    replaceAll(s, 1'000'000);
}

void BM_ReplaceAll100Documents(benchmark::State& state) {
    const std::string text = makeText(500u << 10, 50);
    for (auto _ : state) {
        state.PauseTiming();
        Docs docs;
        for (int i = 0; i < 100; ++i) docs.m_docs.emplace_back(text);
        FindEngine engine;
        ReplaceEngine replace(engine);
        engine.replaceSettings().setSearchToken("XYLO");
        engine.replaceSettings().setReplaceToken("marimba");
        engine.replaceSettings().searchAll = true;
        state.ResumeTiming();
        const ReplaceAllOutcome r = replace.replaceAll(docs);
        benchmark::DoNotOptimize(r.count);
    }
}

}  // namespace

BENCHMARK(BM_FindNextCaseSensitiveDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextCaseInsensitiveDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextCaseSensitiveUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextCaseInsensitiveUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextNonAsciiNeedleDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll100k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReplaceAll1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReplaceAll100Documents)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    // --write-text=FILE writes the 50 MB text the Find Next benchmarks search,
    // for bench/find.sh to hand to sed.
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-text=", 13) == 0) {
            std::ofstream(argv[i] + 13, std::ios::binary) << bigText();
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
