#include "printing/LineSplit.h"

#include <vector>

#include "printing/TabbedText.h"
#include "text/CharClass.h"
#include "text/Utf8.h"

namespace sj {
namespace {

std::string_view withoutTrailingBlanks(std::string_view s, std::size_t& removed) {
    const std::size_t before = s.size();
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    removed = before - s.size();
    return s;
}

}  // namespace

LineSplit LineSplit::split(std::string_view text, int width, const TabbedText& measure) {
    LineSplit result;
    if (text.empty()) return result;
    int w = measure.width(text);
    if (w == 0 || w <= width) {
        result.line = text;
        return result;
    }
    // Byte offset of every character, and of the end.
    std::vector<std::size_t> offsets;
    offsets.reserve(text.size() + 1);
    for (std::size_t pos = 0; pos < text.size();) {
        offsets.push_back(pos);
        utf8::decode(text, pos);
    }
    const std::size_t count = offsets.size();
    offsets.push_back(text.size());
    auto prefixWidth = [&](std::size_t n) { return measure.width(text.substr(0, offsets[n])); };

    // Estimate from the average width, then walk to the exact place.
    std::size_t n = count;
    do {
        std::size_t k = static_cast<std::size_t>(static_cast<double>(width) / w * static_cast<double>(n));
        if (k >= n) k = n - 1;
        n = k;
        if (n > 0) w = prefixWidth(n);
    } while (n >= 1 && w > width);
    if (n == 0) w = 0;
    std::size_t fits = n;
    if (w != width) {
        while (n < count) {
            ++n;
            if (prefixWidth(n) > width) break;
        }
        fits = n - 1;
    }
    if (fits == 0) fits = 1;

    std::size_t breakAt = 0;
    for (std::size_t i = fits; i-- > 0;) {
        std::size_t pos = offsets[i];
        if (!charclass::isSplitWordChar(utf8::decode(text, pos))) {
            breakAt = i + 1;
            break;
        }
    }
    if (breakAt > 0) {
        result.line = withoutTrailingBlanks(text.substr(0, offsets[breakAt]), result.trimmedBlanks);
        std::size_t restStart = offsets[breakAt];
        if (restStart < text.size() && text[restStart] == ' ') ++restStart;
        result.rest = text.substr(restStart);
    } else {
        result.line = withoutTrailingBlanks(text.substr(0, offsets[fits]), result.trimmedBlanks);
        result.rest = text.substr(offsets[fits]);
    }
    return result;
}

}  // namespace sj
