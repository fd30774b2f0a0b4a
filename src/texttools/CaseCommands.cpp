#include "texttools/CaseCommands.h"

#include "text/CharClass.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"

namespace sj {
namespace {

// Delimiters are all ASCII and every byte of a multi-byte character is a word character,
// so word boundaries can be found byte by byte.
bool delimiterByte(char c) {
    return isWordDelimiter(static_cast<unsigned char>(c));
}
bool breakByte(char c) {
    return c == '\r' || c == '\n';
}

std::size_t lineStartOf(std::string_view t, std::size_t pos) {
    while (pos > 0 && !breakByte(t[pos - 1])) --pos;
    return pos;
}

std::size_t lineEndOf(std::string_view t, std::size_t pos) {
    while (pos < t.size() && !breakByte(t[pos])) ++pos;
    return pos;
}

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

TextRange widenToWords(std::string_view t, std::size_t start, std::size_t length) {
    start = std::min(start, t.size());
    std::size_t end = std::min(start + length, t.size());

    if (start < t.size()) {
        if (!delimiterByte(t[start])) {
            while (start > 0 && !delimiterByte(t[start - 1])) --start;
        } else {
            const std::size_t lineEnd = lineEndOf(t, start);
            while (start < lineEnd && delimiterByte(t[start])) ++start;
        }
    }

    const std::size_t endLineStart = lineStartOf(t, end);
    if (end == endLineStart) {
        // At the start of a line: back before the line break that ends the previous line.
        if (end > 0 && t[end - 1] == '\n') --end;
        if (end > 0 && t[end - 1] == '\r') --end;
    } else if (delimiterByte(t[end - 1])) {
        while (end > endLineStart && delimiterByte(t[end - 1])) --end;
    } else {
        while (end < t.size() && !delimiterByte(t[end])) ++end;
    }

    if (end <= start) return {start, 0};
    return {start, end - start};
}

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

std::optional<TextChange> ChangeSelCase(std::string_view text, std::size_t selStart, std::size_t selLength,
                                        CaseChange mode) {
    selStart = utf8::floorBoundary(text, std::min(selStart, text.size()));
    std::size_t selEnd = utf8::floorBoundary(text, std::min(selStart + selLength, text.size()));
    TextRange range{selStart, selEnd - selStart};
    if (mode == CaseChange::Capitalize) range = widenToWords(text, range.start, range.length);
    if (range.length == 0) return std::nullopt;

    TextChange change;
    change.start = range.start;
    change.length = range.length;
    change.replacement = changeCase(text.substr(range.start, range.length), mode);
    change.selStart = range.start;
    change.selLength = change.replacement.size();
    return change;
}

}  // namespace sj
