#include "clipbook/ExpandWord.h"

#include <algorithm>

#include "clipbook/ClipTitleKey.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"

namespace sj {
namespace {

// Every byte of a multi-byte character is >= 0x80, and no such character is a
// delimiter, so bytes can be tested one by one without leaving a character boundary.
bool delimiterByte(char c) {
    return isWordDelimiter(static_cast<unsigned char>(c));
}
bool lineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::size_t lineStartOf(std::string_view text, std::size_t pos) {
    while (pos > 0 && !lineBreak(text[pos - 1])) --pos;
    return pos;
}

std::size_t lineEndOf(std::string_view text, std::size_t pos) {
    while (pos < text.size() && !lineBreak(text[pos])) ++pos;
    return pos;
}

}  // namespace

WordSpan widenToWords(std::string_view text, WordSpan sel) {
    std::size_t s = std::min(sel.start, text.size());
    std::size_t e = std::min(std::max(sel.end, s), text.size());

    if (s < text.size() && !delimiterByte(text[s])) {
        std::size_t lineStart = lineStartOf(text, s);
        while (s > lineStart && !delimiterByte(text[s - 1])) --s;
    } else {
        std::size_t lineEnd = lineEndOf(text, s);
        while (s < lineEnd && delimiterByte(text[s])) ++s;
    }

    if (e > 0 && lineBreak(text[e - 1])) {
        // Before the line break: CR LF is two characters, a lone break one.
        e -= (e >= 2 && text[e - 2] == '\r' && text[e - 1] == '\n') ? 2 : 1;
    } else if (e > 0 && delimiterByte(text[e - 1])) {
        std::size_t lineStart = lineStartOf(text, e);
        while (e > lineStart && delimiterByte(text[e - 1])) --e;
    } else if (e > 0) {
        std::size_t lineEnd = lineEndOf(text, e);
        while (e < lineEnd && !delimiterByte(text[e])) ++e;
    }
    return {s, std::max(e, s)};
}

int lookupClipTitle(const ClipLibrary& list, std::string_view word) {
    if (word.empty()) return -1;
    int exact = list.findItem(word, true);
    if (exact >= 0) return exact;
    const std::string key = foldedKey(word);
    const std::size_t n = list.count();
    for (std::size_t i = 0; i < n; ++i)
        if (list.foldedTitle(i) == key) return static_cast<int>(i);
    for (std::size_t i = 0; i < n; ++i)
        if (std::string_view(list.foldedTitle(i)).starts_with(key)) return static_cast<int>(i);
    return -1;
}

ExpandWordResult expandWord(std::string_view text, WordSpan selection, const ClipLibrary& list,
                            bool readOnly) {
    ExpandWordResult result;
    WordSpan sel{std::min(selection.start, text.size()), std::min(selection.end, text.size())};
    if (sel.end < sel.start) std::swap(sel.start, sel.end);

    if (sel.start == sel.end) {
        const std::size_t caret = sel.start;
        bool found = false;
        if (caret < text.size()) {
            std::size_t next = caret;
            char32_t c = utf8::decode(text, next);
            sel = {caret, next};
            found = !isWordDelimiter(c);
        }
        if (!found && caret > 0) {
            std::size_t prev = caret;
            char32_t c = utf8::decodeBefore(text, prev);
            sel = {prev, caret};
            found = !isWordDelimiter(c);
        }
        if (!found) {
            result.selection = sel;
            return result;
        }
    }

    result.selection = widenToWords(text, sel);
    if (readOnly) {
        result.outcome = ExpandOutcome::ReadOnly;
        return result;
    }
    std::string_view word =
        text.substr(result.selection.start, result.selection.end - result.selection.start);
    result.itemIndex = lookupClipTitle(list, word);
    result.outcome = result.itemIndex >= 0 ? ExpandOutcome::Found : ExpandOutcome::NotFound;
    return result;
}

}  // namespace sj
