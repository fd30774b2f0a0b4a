// Loading and saving big documents: 50 MB of 1.2 million lines with CR LF, LF
// only and Windows-1252 bytes, and the per-file settings store. Files are made
// in $SJ_DOCIO_DIR when set (and kept there, so bench/docio.sh can time the
// standard tools on the same files), else in a scratch directory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/FilePropertiesStore.h"
#include "document/DocumentLoader.h"
#include "document/DocumentSaver.h"

#include "BenchData.h"

namespace {

using sj::bench::kLines;
using sj::bench::makeText;

const std::string& benchDir() {
    static const std::string dir = sj::bench::dataDirectory("SJ_DOCIO_DIR", "sj-bench-docio");
    return dir;
}

std::string benchFile(const std::string& name, const char* lineBreak, bool windows1252) {
    const std::string path = benchDir() + "/" + name;
    if (!std::filesystem::exists(path))
        std::ofstream(path, std::ios::binary) << makeText(lineBreak, windows1252);
    return path;
}

void runLoad(benchmark::State& state, const std::string& path) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        sj::LoadResult r = sj::DocumentLoader::load(path);
        if (!r.ok) state.SkipWithError("load failed");
        bytes = r.fileSize;
        benchmark::DoNotOptimize(r.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_LoadCrLf(benchmark::State& state) {
    runLoad(state, benchFile("crlf.txt", "\r\n", false));
}
void BM_LoadLf(benchmark::State& state) {
    runLoad(state, benchFile("lf.txt", "\n", false));
}
void BM_LoadWindows1252(benchmark::State& state) {
    runLoad(state, benchFile("cp1252.txt", "\r\n", true));
}
BENCHMARK(BM_LoadCrLf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWindows1252)->Unit(benchmark::kMillisecond);

// Saves the loaded text back to a copy; range(0) = flush to the disk.
void runSave(benchmark::State& state, const std::string& source, int lineFormat) {
    const sj::LoadResult loaded = sj::DocumentLoader::load(source);
    sj::SaveOptions o;
    o.charset = loaded.charset;
    o.lineFormat = lineFormat;
    o.sync = state.range(0) != 0;
    const std::string target = source + ".saved";
    for (auto _ : state) {
        if (!sj::DocumentSaver::save(target, loaded.text, o).ok()) state.SkipWithError("save failed");
    }
    std::filesystem::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * loaded.fileSize));
}

void BM_SaveCrLf(benchmark::State& state) {
    runSave(state, benchFile("crlf.txt", "\r\n", false), 0);
}
void BM_SaveLf(benchmark::State& state) {
    runSave(state, benchFile("lf.txt", "\n", false), 1);
}
void BM_SaveWindows1252(benchmark::State& state) {
    runSave(state, benchFile("cp1252.txt", "\r\n", true), 0);
}
BENCHMARK(BM_SaveCrLf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWindows1252)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FilePropertiesLoad(benchmark::State& state) {
    const std::string path = benchDir() + "/FileProp.inf";
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 100000; ++i)
            out << "/home/user/data/file" << i << ".txt=1;0;1;0.5/1.25;10;Mono;B\r\n";
    }
    for (auto _ : state) {
        sj::FilePropertiesStore store(100000, path);
        store.load();
        benchmark::DoNotOptimize(store.size());
    }
}
BENCHMARK(BM_FilePropertiesLoad)->Unit(benchmark::kMillisecond);

void BM_FilePropertiesStore(benchmark::State& state) {
    sj::FilePropertiesStore store(100, "");
    sj::FileProperties r;
    int i = 0;
    for (auto _ : state) store.store("/home/user/file" + std::to_string(i++ % 150) + ".txt", r);
}
BENCHMARK(BM_FilePropertiesStore);

}  // namespace

BENCHMARK_MAIN();
