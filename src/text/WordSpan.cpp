#include "text/WordSpan.h"

#include <algorithm>

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

}  // namespace sj
