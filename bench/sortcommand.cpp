// The Sort command as a user runs it: the document opened through the document
// set, the menu's Sort action on the whole text (the large-sort question
// answered yes), until the window is idle; then the page is saved so the script
// can compare it with `sort -f` on the same file. Run it with
// `--write-data DIR` first: 1,000,000 lines of letters and digits in mixed case,
// each unique ignoring case, so the locale's order and `sort -f` must agree.
// $SJ_SORT_DIR holds the data and receives sorted-by-editor.txt.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "texttools/ui/LineCommandGroup.h"
#include "widgets/ui/MessageBoxes.h"

namespace {

std::string sortInput() {
    std::mt19937 rng(7);
    static const char* const kSyllables[] = {"ka", "Lo", "mi", "NE", "st", "ra", "Ve", "qu",
                                             "th", "an", "OR", "be", "Zu", "x",  "9",  "07"};
    std::uniform_int_distribution<int> count(2, 12), pick(0, 15);
    std::string s;
    s.reserve(32u << 20);
    for (int line = 0; line < 1'000'000; ++line) {
        for (int i = count(rng); i > 0; --i) s += kSyllables[pick(rng)];
        s += std::to_string(line);  // unique ignoring case: no tie for either side to break its own way
        s += '\n';
    }
    return s;
}

std::string dataDir() {
    const char* d = std::getenv("SJ_SORT_DIR");
    return d ? d : "";
}

void untilIdle() {
    for (int quiet = 0; quiet < 3;) {
        QElapsedTimer t;
        t.start();
        QApplication::processEvents(QEventLoop::AllEvents);
        quiet = t.nsecsElapsed() < 2'000'000 ? quiet + 1 : 0;
    }
}

QAction* sortAction(QWidget& window) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == QStringLiteral("&Sort")) return a;
    return nullptr;
}

void BM_SortCommand(benchmark::State& state) {
    const std::string input = dataDir() + "/sort.txt";
    for (auto _ : state) {
        state.PauseTiming();
        sj::Options options;
        auto window = std::make_unique<sj::MainWindow>(options);
        window->addCommandGroup(new sj::LineCommandGroup(*window));
        window->documents().newPage();
        window->show();
        if (!window->documents().openByName(input)) state.SkipWithError("open failed");
        untilIdle();
        QAction* sort = sortAction(*window);
        if (!sort) state.SkipWithError("no Sort command");
        state.ResumeTiming();
        sort->trigger();
        untilIdle();
        state.PauseTiming();
        sj::DocumentPage* page = window->documents().current();
        if (!page->save(dataDir() + "/sorted-by-editor.txt", true)) state.SkipWithError("save failed");
        page->setModifiedFlag(false);
        window.reset();
        untilIdle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortCommand)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->ComputeStatistics("best",
                        [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-data") == 0) {
        std::ofstream(std::string(argv[2]) + "/sort.txt", std::ios::binary) << sortInput();
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sj::msg::setTestResponder([](const QString&, bool) { return sj::msg::Answer::Yes; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
