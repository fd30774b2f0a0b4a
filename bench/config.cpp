// Start-up and shut-down cost of the configuration: parse a file, read the
// option set, write it back and serialise.
#include <benchmark/benchmark.h>

#include <string>

#include "config/IniFile.h"
#include "config/Options.h"

namespace {

std::string sampleConfig(int extraKeys) {
    sj::Options o;
    o.history.assign(10, "/home/user/documents/some file.txt");
    o.autoLoad.assign(50, "/home/user/projects/source/file.cpp");
    for (int i = 0; i < 20; ++i)
        o.placements["TWindow" + std::to_string(i)] = sj::WindowPlacement{true, 800, 600, 10, 10, false, 2};
    sj::IniFile ini;
    o.write(ini);
    o.writePlacements(ini);
    for (int i = 0; i < extraKeys; ++i) ini.writeString("Toolbar", "Button_" + std::to_string(i), "value");
    return ini.serialize();
}

void BM_ReadConfiguration(benchmark::State& state) {
    const std::string text = sampleConfig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        sj::IniFile ini;
        ini.parse(text);
        sj::Options o;
        o.read(ini);
        benchmark::DoNotOptimize(o.fontSize);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadConfiguration)->Arg(0)->Arg(1000);

void BM_WriteConfiguration(benchmark::State& state) {
    const std::string text = sampleConfig(static_cast<int>(state.range(0)));
    sj::IniFile base;
    base.parse(text);
    sj::Options o;
    o.read(base);
    for (auto _ : state) {
        sj::IniFile ini = base;
        o.write(ini);
        o.writePlacements(ini);
        benchmark::DoNotOptimize(ini.serialize());
    }
}
BENCHMARK(BM_WriteConfiguration)->Arg(0)->Arg(1000);

// A history section of n keys, read as the option set reads it at start-up:
// the time must grow with n, not with its square.
void BM_ReadBigSection(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::string text = "[Program]\nV=2635\n[History]\nHistoryCount=" + std::to_string(n) + "\n";
    for (int i = 1; i <= n; ++i)
        text += "FileName_" + std::to_string(i) + "=/home/user/f" + std::to_string(i) + "\n";
    for (auto _ : state) {
        sj::IniFile ini;
        ini.parse(text);
        sj::Options o;
        o.read(ini);
        benchmark::DoNotOptimize(o.history.size());
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_ReadBigSection)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
