#include "texttools/LineRange.h"

namespace sj {

namespace {
bool isBreakChar(char c) {
    return c == '\r' || c == '\n';
}
}  // namespace

LineRange lineRangeFromSelection(const LineSource& lines, Selection sel) {
    const std::string_view text = lines.text();
    LineRange r;
    const std::size_t selEnd = sel.end();
    r.firstLine = lines.lineAt(sel.start);
    std::size_t start = lines.lineStart(r.firstLine);
    std::size_t end = selEnd;
    bool extendForward = true;
    if (selEnd < lines.lineEnd(r.firstLine)) {
        r.lastLine = r.firstLine;
        end = lines.lineEnd(r.firstLine);
    } else {
        if (sel.length > 0 && text[selEnd - 1] == '\n') {
            // Ends just after a hard break: the line after it is not part of the range.
            end = selEnd - 1;
            if (end > start && text[end - 1] == '\r') --end;
            extendForward = false;
        }
        r.lastLine = lines.lineAt(end);
        end = lines.lineEnd(r.lastLine);
    }
    while (r.firstLine > 0 && !isBreakChar(text[start - 1])) {
        --r.firstLine;
        start = lines.lineStart(r.firstLine);
    }
    if (extendForward) {
        while (end > start && r.lastLine + 1 < lines.lineCount() && end < text.size() &&
               !isBreakChar(text[end])) {
            ++r.lastLine;
            end = lines.lineEnd(r.lastLine);
        }
    }
    r.selection = {start, end - start};
    return r;
}

Selection lineSpan(const LineSource& lines, std::size_t first, std::size_t last) {
    const std::size_t start = lines.lineStart(first);
    const std::size_t end = lines.lineEnd(last);
    return {start, end > start ? end - start : 0};
}

}  // namespace sj
