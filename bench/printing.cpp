// Printing a 1,000-page document of 5 MB: the page layout alone (a fixed-width
// font, every page handed to an output that keeps nothing), print to file, and
// the whole job to a PDF with a real font. bench/printing.sh times the
// standard tools on the same text in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>

#include <filesystem>
#include <fstream>
#include <string>

#include "BenchData.h"
#include "printing/FixedWidthMeasure.h"
#include "printing/PageOutput.h"
#include "printing/PrintJob.h"
#include "printing/TextFileOutput.h"
#include "printing/ui/DocumentPrinter.h"
#include "widgets/ui/MessageBoxes.h"

namespace {

const std::string& benchDir() {
    static const std::string dir = sj::bench::dataDirectory("SJ_PRINT_DIR", "sj-bench-print");
    return dir;
}

// 62,500 lines of 80 bytes, a few long enough to wrap and a form feed now and then.
const std::string& document() {
    static const std::string text = [] {
        std::string s;
        s.reserve(5'100'000);
        const std::string words = "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod ";
        for (int i = 0; s.size() < 5'000'000; ++i) {
            s += words.substr(0, 70) + std::to_string(100000 + i);
            if (i % 50 == 0) s += " and a tail that runs past the right margin of the page";
            if (i % 4000 == 3999) s += "\f";
            s += "\r\n";
        }
        std::ofstream(benchDir() + "/document.txt", std::ios::binary) << s;
        return s;
    }();
    return text;
}

class DiscardedPages : public sj::PageOutput {
public:
    bool outputPage(const sj::LaidOutPage&, const sj::PageContent& content) override {
        benchmark::DoNotOptimize(content.texts.data());
        ++pages;
        return true;
    }
    bool finish(bool) override { return true; }
    int pages = 0;
};

// Letter paper at 600 dpi, one-inch margins; 10 by 100 pixel characters give
// 65 columns and 60 lines a page.
const sj::PrinterGeometry kLetter{5100, 6600, 0, 0, 6600, 600, 600};

sj::PrintSettings pageNumbersAndHeader() {
    sj::PrintSettings s;
    s.title = "document.txt";
    s.pageHeader = sj::PageInfo::TitleDate;
    s.pageNumbers = sj::PageNumberPosition::BottomCenter;
    return s;
}

void BM_LayOutPages(benchmark::State& state) {
    const std::string& text = document();
    const sj::FixedWidthMeasure font(50, 100);
    const sj::PrintSettings s = pageNumbersAndHeader();
    int pages = 0;
    for (auto _ : state) {
        sj::PrintJob job(s, font, kLetter, "12/31/2026 23:59");
        DiscardedPages out;
        job.run(text, out);
        pages = out.pages;
    }
    state.counters["pages"] = pages;
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_LayOutPages)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintToFile(benchmark::State& state) {
    const std::string& text = document();
    const sj::FixedWidthMeasure font(50, 100);
    const sj::PrintSettings s = pageNumbersAndHeader();
    for (auto _ : state) {
        sj::PrintJob job(s, font, kLetter, "12/31/2026 23:59");
        sj::TextFileOutput out(benchDir() + "/document.prn");
        job.run(text, out);
    }
}
BENCHMARK(BM_PrintToFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintToPdf(benchmark::State& state) {
    const std::string& text = document();
    sj::PrintSettings s = pageNumbersAndHeader();
    s.useDocFont = false;
    s.fontName = "DejaVu Sans Mono";
    s.fontSize = 10;
    sj::DocumentPrinter printer;
    printer.choosePrinter(sj::DocumentPrinter::pdfPrinterName());
    printer.setPdfFile(QString::fromStdString(benchDir() + "/document.pdf"));
    for (auto _ : state) printer.print(s, text, QFont(), benchDir(), nullptr);
    state.counters["PDF MB"] =
        static_cast<double>(std::filesystem::file_size(benchDir() + "/document.pdf")) / 1e6;
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

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
