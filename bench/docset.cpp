// The document set with many documents: opening 200 small files from a
// wildcard, switching tabs between two 50 MB documents, and the check for files
// modified by another program with 200 documents open.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ui/DocumentSet.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"

namespace {

std::string scratchDir() {
    static const std::string dir = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "sj-bench-docset-XXXXXX").string();
        return std::string(::mkdtemp(tmpl.data()));
    }();
    return dir;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Window {
    sj::Options options;
    sj::MainWindow window{options};
    Window() {
        window.documents().newPage();
        window.documents().rules().setReuseEmptyPage(true);
        window.show();
        QApplication::processEvents();
    }
};

void OpenTwoHundredFilesFromWildcard(benchmark::State& state) {
    const std::string dir = scratchDir() + "/small";
    std::filesystem::create_directories(dir);
    for (int i = 0; i < 200; ++i)
        writeFile(dir + "/f" + std::to_string(1000 + i) + ".txt", "line one\r\nline two\r\n");
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>();
        state.ResumeTiming();
        w->window.documents().openByName(dir + "/*.txt");
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["documents"] = w->window.documents().count();
        w.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenTwoHundredFilesFromWildcard)->Unit(benchmark::kMillisecond)->Iterations(3);

void SwitchTabsBetweenBigDocuments(benchmark::State& state) {
    const std::string a = scratchDir() + "/big-a.txt", b = scratchDir() + "/big-b.txt";
    std::string text;
    text.reserve(50u << 20);
    for (int i = 0; i < 1'200'000; ++i)
        text += "The quick brown fox jumps over a dog " + std::to_string(i) + "\r\n";
    writeFile(a, text);
    writeFile(b, text);
    Window w;
    sj::DocumentSet& docs = w.window.documents();
    docs.openByName(a);
    docs.openByName(b);
    QApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        docs.select(next);
        QApplication::processEvents();
        next = 1 - next;
    }
}
BENCHMARK(SwitchTabsBetweenBigDocuments)->Unit(benchmark::kMillisecond)->Iterations(20);

void ModifiedElsewhereCheckWithTwoHundredFiles(benchmark::State& state) {
    const std::string dir = scratchDir() + "/check";
    std::filesystem::create_directories(dir);
    for (int i = 0; i < 200; ++i) writeFile(dir + "/c" + std::to_string(1000 + i) + ".txt", "text\r\n");
    Window w;
    w.window.documents().openByName(dir + "/*.txt");
    QApplication::processEvents();
    for (auto _ : state) w.window.documents().checkModifiedElsewhere();
}
BENCHMARK(ModifiedElsewhereCheckWithTwoHundredFiles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(scratchDir());
    return 0;
}
