#include "texttools/CaseCommands.h"

#include "text/CharClass.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"
#include "text/WordSpan.h"

namespace sj {
namespace {

// Calls f(codePoint, rawBytes) per character; a malformed byte comes with valid = false and
// must be copied as it is.
template <typename F>
void forEachChar(std::string_view s, F&& f) {
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t at = pos;
        const char32_t c = utf8::decode(s, pos);
        const std::string_view raw = s.substr(at, pos - at);
        f(c, raw, c != utf8::kReplacement || raw == "\xEF\xBF\xBD");
    }
}

}  // namespace

std::string changeCase(std::string_view text, CaseChange mode) {
    std::string out;
    out.reserve(text.size());
    bool wordStart = true;
    bool first = true;
    bool prevDelimiter = false;
    forEachChar(text, [&](char32_t c, std::string_view raw, bool valid) {
        char32_t mapped = c;
        if (valid) {
            switch (mode) {
                case CaseChange::Upper:
                    if (charclass::isLower(c)) mapped = charclass::toUpper(c);
                    break;
                case CaseChange::Lower:
                    if (charclass::isUpper(c)) mapped = charclass::toLower(c);
                    break;
                case CaseChange::Invert:
                    if (charclass::isLower(c))
                        mapped = charclass::toUpper(c);
                    else if (charclass::isUpper(c))
                        mapped = charclass::toLower(c);
                    break;
                case CaseChange::Capitalize:
                    if (charclass::isAlpha(c)) {
                        mapped = wordStart ? charclass::toUpper(c) : charclass::toLower(c);
                        wordStart = false;
                    } else if (c == '\'') {
                        // "don't" stays one word, "'quoted'" starts one.
                        wordStart = first || prevDelimiter;
                    } else {
                        wordStart = isWordDelimiter(c);
                    }
                    break;
            }
        } else if (mode == CaseChange::Capitalize) {
            wordStart = false;  // a stray byte counts as a word character
        }
        if (!valid || mapped == c)
            out.append(raw);
        else
            utf8::append(out, mapped);
        prevDelimiter = valid && isWordDelimiter(c);
        first = false;
    });
    return out;
}

std::optional<TextChange> changeSelectionCase(std::string_view text, std::size_t selStart,
                                              std::size_t selLength, CaseChange mode) {
    selStart = utf8::floorBoundary(text, std::min(selStart, text.size()));
    std::size_t selEnd = utf8::floorBoundary(text, std::min(selStart + selLength, text.size()));
    WordSpan range{selStart, selEnd};
    if (mode == CaseChange::Capitalize) range = widenToWords(text, range);
    if (range.end <= range.start) return std::nullopt;

    TextChange change;
    change.start = range.start;
    change.length = range.end - range.start;
    change.replacement = changeCase(text.substr(change.start, change.length), mode);
    change.selStart = range.start;
    change.selLength = change.replacement.size();
    return change;
}

}  // namespace sj
