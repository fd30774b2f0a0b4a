// Line operations and statistics on large generated texts. Run with
// `--write-data DIR` to write the same texts as files for the comparison script.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "text/Collation.h"
#include "texttools/LineCommands.h"
#include "texttools/LineSort.h"
#include "texttools/LineWorkers.h"
#include "texttools/TextStatistics.h"
#include "texttools/WordList.h"

namespace {

using namespace sj;

std::string word(std::mt19937& rng) {
    static const char* const kSyllables[] = {"ka",        "lo",       "mi", "ne", "st", "ra", "ve", "qu",
                                             "\xC3\xA9t", "\xC3\xBC", "th", "an", "or", "Be", "Zu", "x"};
    std::uniform_int_distribution<int> count(1, 4), pick(0, 15);
    std::string w;
    for (int i = count(rng); i > 0; --i) w += kSyllables[pick(rng)];
    return w;
}

// About 1,000,000 lines, 30 MB: a few words a line, case mixed.
const std::string& sortText() {
    static const std::string text = [] {
        std::mt19937 rng(1);
        std::uniform_int_distribution<int> words(3, 7);
        std::string s;
        s.reserve(32u << 20);
        for (int line = 0; line < 1000000; ++line) {
            for (int w = words(rng); w > 0; --w) {
                s += word(rng);
                s += w > 1 ? " " : "";
            }
            s += "\r\n";
        }
        return s;
    }();
    return text;
}

// 50 MB of prose-like lines with trailing blanks, empty lines and numbers.
const std::string& proseText() {
    static const std::string text = [] {
        std::mt19937 rng(2);
        std::uniform_int_distribution<int> words(0, 12), shape(0, 9);
        std::string s;
        s.reserve(51u << 20);
        while (s.size() < (50u << 20)) {
            for (int w = words(rng); w > 0; --w) {
                const int k = shape(rng);
                s += k == 0 ? std::to_string(rng() % 1000) : word(rng);
                s += k == 1 ? ", " : " ";
            }
            if (shape(rng) < 3) s += " \t";
            s += "\r\n";
        }
        return s;
    }();
    return text;
}

const LocaleCollator& collator() {
    static const LocaleCollator c("en_US", true);
    return c;
}

void setBytes(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_SortLines(benchmark::State& state) {
    const std::string& text = sortText();
    for (auto _ : state) benchmark::DoNotOptimize(sortLines(text, &collator()));
    setBytes(state, text);
}

void BM_TrimBlanks(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(trimBlanks(proseText()));
    setBytes(state, proseText());
}

void BM_Compress(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(compressLines(proseText()));
    setBytes(state, proseText());
}

void BM_Indent(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(indentLines(proseText(), 4));
    setBytes(state, proseText());
}

void BM_AdjustLineBreaks(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(adjustLineBreaks(proseText()));
    setBytes(state, proseText());
}

void BM_JoinLines(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(joinLines(proseText()));
    setBytes(state, proseText());
}

void BM_StatisticsCounts(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(countText(proseText()));
    setBytes(state, proseText());
}

void BM_WordList(benchmark::State& state) {
    for (auto _ : state) {
        const WordList list = countWords(proseText(), collator());
        benchmark::DoNotOptimize(formatWordList(list));
    }
    setBytes(state, proseText());
}

}  // namespace

BENCHMARK(BM_SortLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TrimBlanks)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Compress)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Indent)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AdjustLineBreaks)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_JoinLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StatisticsCounts)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WordList)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-data") == 0) {
        const std::string dir = argv[2];
        std::ofstream(dir + "/sort.txt", std::ios::binary) << sortText();
        std::ofstream(dir + "/prose.txt", std::ios::binary) << proseText();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
