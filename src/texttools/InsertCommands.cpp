#include "texttools/InsertCommands.h"

#include <algorithm>
#include <string>

namespace sj {
namespace {

bool atColumnOne(std::string_view t, std::size_t pos) {
    if (pos == 0 || t[pos - 1] == '\n') return true;
    // Between the CR and the LF of one break is still the end of the line.
    return t[pos - 1] == '\r' && (pos == t.size() || t[pos] != '\n');
}

// Start of the line after pos, or npos on the last line.
std::size_t nextLineStart(std::string_view t, std::size_t pos) {
    const std::size_t brk = t.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) return brk;
    if (t[brk] == '\r' && brk + 1 < t.size() && t[brk + 1] == '\n') return brk + 2;
    return brk + 1;
}

TextChange insertion(std::size_t at, std::string text) {
    TextChange c;
    c.start = at;
    c.length = 0;
    c.replacement = std::move(text);
    c.selStart = at + c.replacement.size();
    c.selLength = 0;
    return c;
}

}  // namespace

std::optional<TextChange> SBPasteTimeClick(std::string_view text, std::size_t caret,
                                           std::string_view dateText, bool readOnly) {
    if (readOnly) return std::nullopt;
    caret = std::min(caret, text.size());
    std::string insert;
    std::size_t at = caret;
    if (!atColumnOne(text, caret)) {
        at = nextLineStart(text, caret);
        if (at == std::string_view::npos) {
            at = text.size();
            insert = "\r\n";
        }
    }
    insert.append(dateText);
    insert += "\r\n";
    return insertion(at, std::move(insert));
}

std::optional<TextChange> insertFormFeed(std::string_view text, std::size_t selStart, bool readOnly) {
    if (readOnly) return std::nullopt;
    std::size_t at = std::min(selStart, text.size());
    if (!atColumnOne(text, at)) {
        at = nextLineStart(text, at);
        if (at == std::string_view::npos) at = text.size();
    }
    return insertion(at, "\f\r\n");
}

}  // namespace sj
