// Strip HTML Tags over any text and any selection: no crash, no read past
// the text, and a change stays inside the text it was asked for.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "FuzzCheck.h"
#include "texttools/HtmlStrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::size_t selStart = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::size_t selLength = input.ConsumeIntegralInRange<std::size_t>(0, 256);
    const bool wordWrap = input.ConsumeBool();
    const std::string html = input.ConsumeRemainingBytesAsString();
    (void)sj::stripHtmlTags(html);
    if (selStart <= html.size() && selLength <= html.size() - selStart)
        (void)sj::stripHtmlInSelection(html, selStart, selLength, wordWrap);
    return 0;
}
