// A favourites list of 10,000 entries: read from its file and shown in the
// Favorites menu (the real menu of the main window), and the file format alone.
// Also the address or file name at the caret in a 20 MB document of one line,
// taken from the editor as the commands take it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenu>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/ui/MainWindow.h"
#include "browser/TextAroundCaret.h"
#include "config/Options.h"
#include "document/ui/EditorView.h"
#include "favorites/FavoriteEntry.h"
#include "favorites/FavoriteListFile.h"
#include "favorites/ui/FavoriteCommands.h"

namespace {

const std::string& scratchDir() {
    static const std::string dir = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "sj-bench-fav-XXXXXX").string();
        return std::string(::mkdtemp(tmpl.data()));
    }();
    return dir;
}

// "/home/user/projects/p<i % 97>/notes-<i>.txt" and every 50th a directory or pattern.
const std::string& listFile() {
    static const std::string path = [] {
        const std::string p = scratchDir() + "/Favorite.fvr";
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < 10000; ++i) {
            out << "/home/user/projects/p" << i % 97 << "/notes-" << i;
            out << (i % 50 == 0 ? "/" : i % 50 == 1 ? "/*.txt" : ".txt") << "\r\n";
        }
        return p;
    }();
    return path;
}

void BM_FavoriteListLoadAndMenuItems(benchmark::State& state) {
    const std::string path = listFile();
    for (auto _ : state) {
        auto contents = sj::FavoriteListFile::load(path);
        auto items = sj::favorite::menuItems(contents.entries);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_FavoriteListLoadAndMenuItems)->Unit(benchmark::kMillisecond);

// The first showing of the list: a new window reads it and fills its menu.
void BM_FavoriteListLoadAndFirstMenu(benchmark::State& state) {
    listFile();
    sj::Options options;
    options.favoriteName = "Favorite";
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<sj::MainWindow>(options);
        auto* commands = new sj::FavoriteCommands(*window, scratchDir());
        window->addCommandGroup(commands);
        window->finishMenus();
        state.ResumeTiming();
        commands->loadList();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FavoriteListLoadAndFirstMenu)->Unit(benchmark::kMillisecond);

// Reading the list again (after the dialog closed): the menu's items are kept.
void BM_FavoriteListReloadMenu(benchmark::State& state) {
    listFile();
    sj::Options options;
    options.favoriteName = "Favorite";
    sj::MainWindow window(options);
    auto* commands = new sj::FavoriteCommands(window, scratchDir());
    window.addCommandGroup(commands);
    window.finishMenus();
    commands->loadList();
    for (auto _ : state) {
        commands->loadList();
        QApplication::processEvents();
    }
    state.counters["menu_items"] = window.menu(QStringLiteral("Favorites"))->actions().size();
}
BENCHMARK(BM_FavoriteListReloadMenu)->Unit(benchmark::kMillisecond);

void BM_FavoriteListSave(benchmark::State& state) {
    const auto contents = sj::FavoriteListFile::load(listFile());
    const std::string target = scratchDir() + "/Saved.fvr";
    for (auto _ : state) sj::FavoriteListFile::save(target, contents.entries, contents.charset);
}
BENCHMARK(BM_FavoriteListSave)->Unit(benchmark::kMillisecond);

// One line of 20 MB: words and now and then an address or a file name.
std::string oneLongLine() {
    std::string text;
    text.reserve(20u << 20);
    for (int i = 0; text.size() < (20u << 20); ++i) {
        text += "plain words without end ";
        if (i % 1000 == 0) text += "http://example.org/page" + std::to_string(i) + ".html ";
        if (i % 700 == 0) text += "notes/file" + std::to_string(i) + ".txt ";
    }
    return text;
}

void BM_AddressAtCaretOn20MBLine(benchmark::State& state) {
    static const std::string text = oneLongLine();
    sj::EditorView editor;
    editor.loadText(text);
    const std::size_t caret = text.find("http://", text.size() / 2) + 10;
    editor.setCaret(static_cast<sj::Pos>(caret));
    // An edit near the start moves the editor's gap away from the caret first.
    editor.replaceRange(10, 0, "x");
    for (auto _ : state) {
        const std::size_t start = static_cast<std::size_t>(editor.selStart());
        const sj::TextSpan stretch =
            sj::TextAroundCaret::stretchFor(static_cast<std::size_t>(editor.textLength()), start, start);
        const char* bytes = reinterpret_cast<const char*>(editor.SendScintilla(
            QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(stretch.start),
            static_cast<long>(stretch.length())));
        const std::string copy(bytes, stretch.length());
        const sj::TextAroundCaret around(copy, stretch.start, start, start);
        auto link = around.linkAddress();
        auto name = around.fileNameSpan();
        benchmark::DoNotOptimize(link.address.data());
        benchmark::DoNotOptimize(name);
    }
    state.counters["document_bytes"] = static_cast<double>(editor.textLength());
}
BENCHMARK(BM_AddressAtCaretOn20MBLine)->Unit(benchmark::kMicrosecond);

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
