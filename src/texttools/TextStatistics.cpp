#include "texttools/TextStatistics.h"

#include <array>

#include "text/CharClass.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"

namespace sj {

namespace {

// Per-byte classes for the ASCII range; bytes from 0x80 up start a character that needs decoding.
enum ByteClass : unsigned char { kSeparator, kLetter, kOther, kLineBreak, kMultiByte };

struct ByteClasses {
    std::array<unsigned char, 256> of{};
    ByteClasses() {
        for (int b = 0; b < 256; ++b) {
            const auto c = static_cast<char32_t>(b);
            if (b >= 0x80)
                of[b] = kMultiByte;
            else if (b == '\r' || b == '\n' || b == 0)
                of[b] = kLineBreak;
            else if (isWordDelimiterNoHyphen(c))
                of[b] = kSeparator;
            else if (isWordLetter(c))
                of[b] = kLetter;
            else
                of[b] = kOther;
        }
    }
};

const ByteClasses& byteClasses() {
    static const ByteClasses classes;
    return classes;
}

}  // namespace

bool isStatisticsSeparator(char32_t c) {
    return isWordDelimiterNoHyphen(c);
}

bool isWordLetter(char32_t c) {
    return c == '-' || charclass::isAlpha(c);
}

TextCounts countText(std::string_view text) {
    TextCounts counts;
    const auto& cls = byteClasses().of;
    bool inItem = false;
    bool other = false;
    std::size_t pos = 0;
    const std::size_t n = text.size();
    auto endItem = [&] {
        if (inItem) ++(other ? counts.others : counts.words);
        inItem = other = false;
    };
    while (pos < n) {
        const auto b = static_cast<unsigned char>(text[pos]);
        switch (cls[b]) {
            case kLetter:
                ++counts.characters;
                inItem = true;
                ++pos;
                break;
            case kOther:
                ++counts.characters;
                inItem = other = true;
                ++pos;
                break;
            case kSeparator:
                ++counts.characters;
                endItem();
                ++pos;
                break;
            case kLineBreak:
                endItem();
                ++pos;
                break;
            default: {
                const char32_t c = utf8::decode(text, pos);
                ++counts.characters;
                inItem = true;
                if (!charclass::isAlpha(c)) other = true;
            }
        }
    }
    endItem();
    return counts;
}

StatisticsRange statisticsRange(std::string_view text, Selection selection, bool hasDocument) {
    StatisticsRange r;
    if (!hasDocument) return r;
    // More than one character selected (not merely more than one byte).
    std::size_t pos = selection.start;
    std::size_t chars = 0;
    while (pos < selection.end() && chars < 2) {
        utf8::decode(text.substr(0, selection.end()), pos);
        ++chars;
    }
    if (chars < 2) {
        r.scope = StatisticsScope::WholeDocument;
        r.range = {0, text.size()};
        return r;
    }
    // Widen to whole words: delimiters are ASCII, so a byte test is exact.
    std::size_t start = selection.start;
    std::size_t end = selection.end();
    auto wordChar = [&](std::size_t i) { return !isWordDelimiter(static_cast<unsigned char>(text[i])); };
    if (start < text.size() && wordChar(start))
        while (start > 0 && wordChar(start - 1)) --start;
    if (end > 0 && wordChar(end - 1))
        while (end < text.size() && wordChar(end)) ++end;
    r.scope = StatisticsScope::SelectedText;
    r.range = {start, end - start};
    return r;
}

std::string statisticsCaption(StatisticsScope scope) {
    switch (scope) {
        case StatisticsScope::SelectedText:
            return "Text Statistics [Selected Text]";
        case StatisticsScope::WholeDocument:
            return "Text Statistics [Whole Document]";
        case StatisticsScope::NoDocument:
            break;
    }
    return "Text Statistics [No Document]";
}

}  // namespace sj
