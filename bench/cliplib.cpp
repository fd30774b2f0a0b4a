// Clip libraries of 20,000 clips: loading, saving and the Expand Word lookup.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <stdlib.h>

#include "clipbook/ClipLibrary.h"
#include "clipbook/ExpandWord.h"

namespace {

constexpr int kClips = 20000;

std::string titleOf(int i) {
    return "clip" + std::to_string((i * 7919) % kClips) + "Title";
}

sj::ClipLibrary makeLibrary() {
    sj::ClipLibrary list;
    for (int i = 0; i < kClips; ++i) {
        std::string body = "Dear ^?[Name],\r\n\r\nThis is clip number " + std::to_string(i) +
                           " with a few lines.\r\nDate: ^[dddd, mmmm d, yyyy^]\r\n";
        list.addItem(titleOf(i), body, nullptr);
    }
    return list;
}

class LibraryFile {
public:
    LibraryFile() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "cliplib-bench-XXXXXX").string();
        m_dir = ::mkdtemp(tmpl.data()) ? tmpl : std::string(".");
        m_path = m_dir + "/Big.clb";
    }
    ~LibraryFile() {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_dir, m_path;
};

void BM_LoadLibrary(benchmark::State& state) {
    LibraryFile file;
    sj::ClipLibrary source = makeLibrary();
    source.saveToFile(file.path());
    for (auto _ : state) {
        sj::ClipLibrary list;
        list.loadFromFile(file.path());
        benchmark::DoNotOptimize(list.count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file.path())));
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

void BM_SaveLibrary(benchmark::State& state) {
    LibraryFile file;
    sj::ClipLibrary list = makeLibrary();
    for (auto _ : state) {
        list.setModified(true);
        benchmark::DoNotOptimize(list.saveToFile(file.path()).ok);
    }
}
BENCHMARK(BM_SaveLibrary)->Unit(benchmark::kMillisecond);

// The worst case: no exact or caseless title, so every title is tested twice
// before the prefix pass finds the last one.
void BM_ExpandWordLookup(benchmark::State& state) {
    sj::ClipLibrary list = makeLibrary();
    list.addItem("zzzzLastPrefixTarget", "x", nullptr);
    const std::string text = "Some text before the word ZZZZLASTPREFIX\r\nand after it.";
    const std::size_t caret = text.find("\r\n");
    for (auto _ : state) {
        sj::ExpandWordResult r = sj::expandWord(text, {caret, caret}, list);
        benchmark::DoNotOptimize(r.itemIndex);
    }
}
BENCHMARK(BM_ExpandWordLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
