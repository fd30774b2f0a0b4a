// Strip HTML Tags and Characters to HTML on a 50 MB document. The page is written to
// $SJ_HTML_DIR/page.htm when that is set, so bench/texttools_html.sh can run sed on the
// very same bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "texttools/HtmlEntities.h"
#include "texttools/HtmlStrip.h"

namespace {

constexpr std::size_t kTarget = 50u << 20;

// A mix of what real pages hold: paragraphs, links, table rows, entities, indented source
// lines, some accented text.
const std::string& page() {
    static const std::string text = [] {
        const std::string chunk =
            "<HTML><HEAD><TITLE>Report</TITLE></HEAD>\r\n"
            "<BODY BGCOLOR=\"#FFFFFF\">\r\n"
            "  <H1>Quarterly report</H1>\r\n"
            "  <P>The <B>results</B> of the <A HREF=\"q3.htm\">third quarter</A> are in; "
            "sales rose by 12&nbsp;% &amp; costs fell.\r\n"
            "  Caf\xC3\xA9 na\xC3\xAFve &eacute;t&eacute; &copy; 2024 &lt;draft&gt;</P>\r\n"
            "  <TABLE><TR><TD>North</TD><TD>1,200</TD></TR><TR><TD>South</TD><TD>950</TD></TR></TABLE>\r\n"
            "  <UL><LI>one<LI>two<LI>three</UL><!-- generated -->\r\n"
            "</BODY></HTML>\r\n";
        std::string s;
        s.reserve(kTarget + chunk.size());
        while (s.size() < kTarget) s += chunk;
        if (const char* dir = std::getenv("SJ_HTML_DIR"); dir && *dir) {
            std::ofstream(std::string(dir) + "/page.htm", std::ios::binary) << s;
        }
        return s;
    }();
    return text;
}

void BM_StripHtmlTags50MB(benchmark::State& state) {
    const std::string& in = page();
    for (auto _ : state) {
        std::string out = sj::stripHtmlTags(in);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_StripHtmlTags50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CharactersToHtml50MB(benchmark::State& state) {
    const std::string& in = page();
    for (auto _ : state) {
        std::string out = sj::charactersToHtml(in);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_CharactersToHtml50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
