// The Clipbook pane with a library of 20,000 clips: choosing it (file read,
// rows filled, window painted), and Expand Word at the end of a document,
// the last title in the list and one no title begins with.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "clipbook/ExpandWord.h"
#include "clipbook/ui/ClipPaster.h"
#include "clipbook/ui/ClipbookPane.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/ProcessLauncher.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/MessageBoxes.h"

namespace {

constexpr int kClips = 20000;

std::string libraryDir() {
    static const std::string dir = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "sj-bench-clippane-XXXXXX").string();
        std::string made(::mkdtemp(tmpl.data()));
        std::string big = "=MultiLine TabWidth=30\r\n\r\n";
        for (int i = 0; i < kClips; ++i) {
            big += "H=clip" + std::to_string(100000 + i) + (i % 50 == 0 ? "\tcmd" : "") + "\r\n";
            big += i % 50 == 0 ? "^!true\r\n\r\n"
                               : "Body of clip " + std::to_string(i) + "\r\nsecond line\r\n\r\n";
        }
        std::ofstream(made + "/Big.clb", std::ios::binary) << big;
        std::ofstream(made + "/Small.clb", std::ios::binary) << "=MultiLine\r\n\r\nH=a\r\nb\r\n";
        return made;
    }();
    return dir;
}

struct Pane {
    QMainWindow main;
    sj::DocumentPage* page = new sj::DocumentPage(sj::PageEnvironment{});
    sj::DialogPromptHost prompts;
    sj::ProcessLauncher launcher;
    sj::ClipPaster paster{prompts, launcher};
    sj::ClipbookPane* panel;
    Pane() {
        main.setCentralWidget(page);
        main.resize(1000, 700);
        main.show();
        panel = new sj::ClipbookPane(&main, paster);
        panel->openTemplates(libraryDir(), "Small");
        panel->setMemoControl(page);
        panel->setClipPanelPos(sj::cpLeftPane);
        QApplication::processEvents();
    }
    ~Pane() {
        panel->list().setModified(false);
        delete panel->ownerForm();
    }
};

void ShowTwentyThousandClipLibrary(benchmark::State& state) {
    auto pane = std::make_unique<Pane>();
    for (auto _ : state) {
        pane->panel->chooseByNumber(1);  // Big
        pane->panel->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["rows"] = pane->panel->listView()->count();
        pane->panel->chooseByNumber(2);  // back to Small
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ShowTwentyThousandClipLibrary)->Unit(benchmark::kMillisecond)->Iterations(5);

void ExpandWordWithTwentyThousandClips(benchmark::State& state) {
    auto pane = std::make_unique<Pane>();
    pane->panel->chooseByNumber(1);
    QApplication::processEvents();
    const std::string words[] = {"clip119999", "nosuchprefix", "CLIP1100"};
    int w = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string& word = words[w++ % 3];
        pane->page->setText(QString::fromStdString("some text " + word));
        pane->page->setSel(static_cast<sj::Pos>(10 + word.size()), 0);
        state.ResumeTiming();
        pane->paster.expandWord(*pane->page, pane->panel->list());
    }
}
BENCHMARK(ExpandWordWithTwentyThousandClips)->Unit(benchmark::kMicrosecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sj::msg::setSoundsOn(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(libraryDir());
    return 0;
}
