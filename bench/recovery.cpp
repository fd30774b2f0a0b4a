// What keeping a recovery file costs for a 50 MB document: the copy the GUI
// thread makes of the text (the only part on the typing path), and the write
// the worker thread does (temporary file, fsync, rename).
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/RecoveryRecord.h"
#include "app/RecoveryStore.h"

namespace {

const std::string& document(std::size_t bytes) {
    static std::string text;
    if (text.size() != bytes) {
        text.clear();
        text.reserve(bytes);
        while (text.size() < bytes) text += "A line of a long document, typed by hand.\r\n";
        text.resize(bytes);
    }
    return text;
}

void BM_SnapshotOnTheGuiThread(benchmark::State& state) {
    const std::string& text = document(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto copy = std::make_shared<const std::string>(text);
        benchmark::DoNotOptimize(copy->data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SnapshotOnTheGuiThread)->Arg(50 << 20)->Unit(benchmark::kMillisecond);

void BM_RecoveryFileOnTheWorker(benchmark::State& state) {
    const std::string& text = document(static_cast<std::size_t>(state.range(0)));
    char dir[] = "/tmp/sj-bench-recovery-XXXXXX";
    if (!::mkdtemp(dir)) {
        state.SkipWithError("no scratch directory");
        return;
    }
    sj::RecoveryStore store(std::string(dir) + "/recovery");
    store.beginSession();
    sj::RecoveryRecord record;
    record.fileName = "/home/u/big.txt";
    record.title = record.fileName;
    record.charset = "UTF-8";
    for (auto _ : state) store.write(1, record, text);
    state.SetBytesProcessed(state.iterations() * state.range(0));
    store.endSession();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RecoveryFileOnTheWorker)->Arg(50 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
