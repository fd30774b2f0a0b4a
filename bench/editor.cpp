// The editor with a big document: open to text shown, save, resident memory,
// one keystroke and one caret move at the end, on 50 MB of 1.2 million lines
// (CR LF, LF only, Windows-1252), plus the main window's start to shown.
// Files are made in $SJ_EDITOR_DIR when set (kept, so bench/editor.sh can time
// the standard tools on them), else in a scratch directory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/MessageBoxes.h"

#include "BenchData.h"

namespace {

using sj::bench::kLines;
using sj::bench::makeText;

const std::string& benchDir() {
    static const std::string dir = sj::bench::dataDirectory("SJ_EDITOR_DIR", "sj-bench-editor");
    return dir;
}

std::string benchFile(int kind) {
    static const char* names[] = {"crlf.txt", "lf.txt", "cp1252.txt"};
    const std::string path = benchDir() + "/" + names[kind];
    if (!std::filesystem::exists(path))
        std::ofstream(path, std::ios::binary) << makeText(kind == 1 ? "\n" : "\r\n", kind == 2);
    return path;
}

double residentBytes() {
    std::ifstream in("/proc/self/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            in >> kb;
            return kb * 1024.0;
        }
        in.ignore(1 << 16, '\n');
    }
    return 0;
}

std::unique_ptr<sj::DocumentPage> shownPage(const std::string& path, benchmark::State& state) {
    sj::PageEnvironment env;
    auto page = std::make_unique<sj::DocumentPage>(env);
    page->resize(900, 700);
    if (!page->load(path)) state.SkipWithError("load failed");
    page->show();
    QApplication::processEvents();
    return page;
}

// Open to text shown; the resident memory after the load is reported, total
// and per byte of the file.
void BM_Open(benchmark::State& state) {
    const std::string path = benchFile(static_cast<int>(state.range(0)));
    const double fileSize = static_cast<double>(std::filesystem::file_size(path));
    double rss = 0;
    const double baseline = residentBytes();
    for (auto _ : state) {
        auto page = shownPage(path, state);
        state.PauseTiming();
        rss = residentBytes();
        page.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = rss / 1e6;
    state.counters["rss_per_file_byte"] = rss / fileSize;
    // Without what the process held before (Qt, fonts, the generated files' text).
    state.counters["rss_added_per_file_byte"] = (rss - baseline) / fileSize;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileSize));
}
BENCHMARK(BM_Open)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Save(benchmark::State& state) {
    const std::string path = benchFile(static_cast<int>(state.range(0)));
    auto page = shownPage(path, state);
    const std::string target = benchDir() + "/saved.txt";
    for (auto _ : state) {
        page->replaceRange(0, 0, "x");  // a modified page, as a real save sees it
        if (!page->save(target, true)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(BM_Save)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

// One typed character at the end, with the repaint and notifications it causes.
void BM_KeystrokeAtEnd(benchmark::State& state) {
    auto page = shownPage(benchFile(0), state);
    page->setFocus();
    page->caretToEnd();
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(page.get(), Qt::Key_A);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeAtEnd)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_CaretMoveAtEnd(benchmark::State& state) {
    auto page = shownPage(benchFile(0), state);
    page->setFocus();
    page->caretToEnd();
    QApplication::processEvents();
    bool left = true;
    for (auto _ : state) {
        QTest::keyClick(page.get(), left ? Qt::Key_Left : Qt::Key_Right);
        QApplication::processEvents();
        left = !left;
    }
}
BENCHMARK(BM_CaretMoveAtEnd)->Unit(benchmark::kMillisecond)->Iterations(200);

// The main window with its command groups and an empty page, up to shown.
void BM_WindowShown(benchmark::State& state) {
    for (auto _ : state) {
        sj::Options options;
        auto window = std::make_unique<sj::MainWindow>(options);
        window->addCommandGroup(new sj::FileCommands(*window));
        window->addCommandGroup(new sj::EditCommands(*window));
        window->documents().newPage();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) state.SkipWithError("window not shown");
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowShown)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sj::msg::setTestResponder([](const QString&, bool) { return sj::msg::Answer::No; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
