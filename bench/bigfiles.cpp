// What a user waits for with very big files, through the real program paths on a
// real display (run it under Xvfb: bench/bigfiles.sh does): File Open to an idle
// window, the first Ctrl+End, one key typed at the end, and saving back, each
// timed on its own, with the peak and settled resident memory of the open.
// Files: oneline20.txt (20 MB on one line, no final line break), big50.txt and
// big200.txt (50 and 200 MB, lines of about 43 bytes) and, with SJ_BIG_1G=1,
// huge1g.txt (1 GB). They are
// made in $SJ_BIG_DIR when missing and kept, so the script can run cat and wc -l
// on the same files. Every saved file is compared with the original byte by byte.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <time.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "app/ui/DocumentSet.h"
#include "app/ui/EditCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainWindow.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/MessageBoxes.h"

#include "BenchData.h"

namespace {

struct BigFile {
    const char* name;
    std::uint64_t size;
};

constexpr BigFile kFiles[] = {{"oneline20.txt", 20'000'000},
                              {"big200.txt", 200'000'000},
                              {"huge1g.txt", 1'000'000'000},
                              {"big50.txt", 50'000'000}};

const std::string& benchDir() {
    static const std::string dir = sj::bench::dataDirectory("SJ_BIG_DIR", "sj-bench-big");
    return dir;
}

// A JSON-like record without line breaks, or lines of words and numbers of
// about 43 bytes, written in 16 MB pieces so making 1 GB needs little memory.
void writeBigFile(const std::string& path, int kind) {
    std::ofstream out(path, std::ios::binary);
    std::string piece;
    std::uint64_t written = 0, n = 0;
    const std::uint64_t total = kFiles[kind].size;
    while (written < total) {
        piece.clear();
        while (piece.size() < (16u << 20)) {
            if (kind == 0)
                piece +=
                    "{\"id\":" + std::to_string(n) + ",\"name\":\"item\",\"tags\":[\"a\",\"b\"],\"v\":1.5},";
            else
                piece += "The quick brown fox jumps over " + std::to_string(1000000 + n) + "\n";
            ++n;
        }
        const std::uint64_t take = std::min<std::uint64_t>(piece.size(), total - written);
        if (kind == 0 && written + take == total) piece[take - 1] = '}';
        if (kind != 0 && written + take == total) piece[take - 1] = '\n';
        out.write(piece.data(), static_cast<std::streamsize>(take));
        written += take;
    }
}

std::string benchFile(int kind) {
    const std::string path = benchDir() + "/" + kFiles[kind].name;
    if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != kFiles[kind].size)
        writeBigFile(path, kind);
    return path;
}

double statusBytes(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string k;
    while (in >> k) {
        if (k == key) {
            double kb = 0;
            in >> kb;
            return kb * 1024.0;
        }
        in.ignore(1 << 16, '\n');
    }
    return 0;
}

// The peak resident size counts from here on (Linux resets VmHWM on "5").
void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Serves events until a pass over the queue finds next to nothing to do: the
// window is drawn and the program waits for the user. A program that never gets
// there (a caret blink that takes longer to draw than its interval) is given up
// on after a minute and counted.
int g_neverIdle = 0;

void untilIdle() {
    QElapsedTimer total;
    total.start();
    for (int quiet = 0; quiet < 3;) {
        if (total.elapsed() > 60'000) {
            ++g_neverIdle;
            return;
        }
        QElapsedTimer t;
        t.start();
        QApplication::processEvents(QEventLoop::AllEvents);
        quiet = t.nsecsElapsed() < 2'000'000 ? quiet + 1 : 0;
    }
}

double cpuMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Wall time, and the processor time beside it: on a shared machine the wall
// time also holds the waits for a processor, the processor time does not.
struct Spent {
    double wall = 0, cpu = 0;
};

Spent millisecondsOf(const std::function<void()>& work) {
    const double cpu0 = cpuMilliseconds();
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count(),
            cpuMilliseconds() - cpu0};
}

// The saved file is the original followed by addedTail.
bool sameBytes(const std::string& original, const std::string& saved, std::string_view addedTail) {
    if (std::filesystem::file_size(original) + addedTail.size() != std::filesystem::file_size(saved))
        return false;
    std::ifstream fa(original, std::ios::binary), fb(saved, std::ios::binary);
    std::string ba(1 << 20, '\0'), bb(1 << 20, '\0');
    while (fa) {
        fa.read(ba.data(), static_cast<std::streamsize>(ba.size()));
        fb.read(bb.data(), fa.gcount());
        if (fa.gcount() != fb.gcount() || ba.compare(0, fa.gcount(), bb, 0, fb.gcount()) != 0) return false;
    }
    std::string tail(addedTail.size(), '\0');
    fb.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    return tail == addedTail;
}

void keyToFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    if (focus) QTest::keyClick(focus, key, mods);
}

// One user session per repetition: open through the document set as File Open
// does, Ctrl+End, type a key at the end, undo it, save to a second file.
void BM_BigFile(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    if (kind == 2 && !std::getenv("SJ_BIG_1G")) {
        state.SkipWithError("set SJ_BIG_1G=1 for the 1 GB file");
        return;
    }
    const std::string path = benchFile(kind);
    const double fileSize = static_cast<double>(std::filesystem::file_size(path));
    const std::string target = benchDir() + "/saved-" + kFiles[kind].name;
    for (auto _ : state) {
        state.PauseTiming();
        sj::Options options;
        auto window = std::make_unique<sj::MainWindow>(options);
        window->addCommandGroup(new sj::FileCommands(*window));
        window->addCommandGroup(new sj::EditCommands(*window));
        window->documents().newPage();
        window->resize(1200, 760);
        window->show();
        window->activateWindow();
        // Google Benchmark forbids timing calls after an error, so an error
        // is kept and reported when the iteration is over.
        std::string error;
        if (!QTest::qWaitForWindowActive(window.get())) error = "window not active";
        untilIdle();
        malloc_trim(0);
        const double before = statusBytes("VmRSS:");
        resetPeakMemory();
        g_neverIdle = 0;
        state.ResumeTiming();

        const Spent openMs = millisecondsOf([&] {
            window->documents().openByName(path);
            untilIdle();
        });
        state.PauseTiming();
        const double peak = statusBytes("VmHWM:") - before;
        malloc_trim(0);
        const double settled = statusBytes("VmRSS:") - before;
        sj::DocumentPage* page = window->documents().current();
        if (!page) {
            state.SkipWithError("nothing opened");
            break;
        }
        if (page->textLength() == 0 || page->isReadOnly()) error = "not opened for editing";
        const Spent endMs = millisecondsOf([&] {
            keyToFocus(Qt::Key_End, Qt::ControlModifier);
            untilIdle();
        });
        const Spent keyMs = millisecondsOf([&] {
            keyToFocus(Qt::Key_X);
            untilIdle();
        });
        const Spent secondKeyMs = millisecondsOf([&] {
            keyToFocus(Qt::Key_Y);
            untilIdle();
        });
        keyToFocus(Qt::Key_Backspace);
        keyToFocus(Qt::Key_Backspace);
        untilIdle();
        const Spent saveMs = millisecondsOf([&] {
            if (!page->save(target, true)) error = "save failed";
        });
        // A text without a final line break gains one on a whole-text save
        // only when the page is in CR LF format; in LF it is saved as it is.
        const bool same = sameBytes(path, target, "") ||
                          (kind == 0 && (sameBytes(path, target, "\n") || sameBytes(path, target, "\r\n")));
        if (!same) error = "the saved file differs from the original";
        std::filesystem::remove(target);
        auto report = [&state](const char* name, Spent spent) {
            state.counters[std::string(name) + "_ms"] = spent.wall;
            state.counters[std::string(name) + "_cpu"] = spent.cpu;
        };
        report("open", openMs);
        report("ctrl_end", endMs);
        report("key", keyMs);
        report("key2", secondKeyMs);
        report("save", saveMs);
        state.counters["peak_rss_x"] = peak / fileSize;
        state.counters["settled_rss_x"] = settled / fileSize;
        state.counters["never_idle"] = g_neverIdle;
        page->setModifiedFlag(false);
        window.reset();
        untilIdle();
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BigFile)
    ->DenseRange(0, static_cast<int>(std::size(kFiles)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->ComputeStatistics("best",
                        [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sj::msg::setTestResponder([](const QString&, bool) { return sj::msg::Answer::No; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
