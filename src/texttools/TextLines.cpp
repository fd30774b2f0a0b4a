#include "texttools/TextLines.h"

#include <algorithm>
#include <cstring>

#include "text/Utf8.h"

namespace sj {

TextLines::TextLines(std::string_view text, std::size_t wrapColumns) {
    reset(text, wrapColumns);
}

void TextLines::reset(std::string_view text, std::size_t wrapColumns) {
    m_text = text;
    m_wrap = wrapColumns;
    m_starts.clear();
    std::size_t pos = 0;
    const std::size_t n = text.size();
    const char* data = text.data();
    for (;;) {
        m_starts.push_back(pos);
        // Next CR or LF: the text is mostly long runs without either.
        std::size_t brk = pos;
        while (brk < n && data[brk] != '\n' && data[brk] != '\r') {
            const void* lf = std::memchr(data + brk, '\n', n - brk);
            const std::size_t lfPos = lf ? static_cast<const char*>(lf) - data : n;
            const void* cr = std::memchr(data + brk, '\r', lfPos - brk);
            brk = cr ? static_cast<const char*>(cr) - data : lfPos;
        }
        if (m_wrap) addWrappedLine(pos, brk);
        if (brk >= n) break;
        pos = brk + ((data[brk] == '\r' && brk + 1 < n && data[brk + 1] == '\n') ? 2 : 1);
    }
    m_count = n == 0 ? 0 : (m_starts.back() == n ? m_starts.size() - 1 : m_starts.size());
}

void TextLines::addWrappedLine(std::size_t start, std::size_t end) {
    std::size_t lineStart = start;
    while (true) {
        std::size_t pos = lineStart, chars = 0, afterSpace = 0;
        while (pos < end && chars < m_wrap) {
            const bool space = m_text[pos] == ' ';
            utf8::decode(m_text, pos);
            ++chars;
            if (space) afterSpace = pos;
        }
        if (pos >= end) return;
        // Spaces stay at the end of the screen line they follow.
        while (pos < end && m_text[pos] == ' ') afterSpace = ++pos;
        if (pos >= end) return;
        lineStart = afterSpace > lineStart ? afterSpace : pos;
        m_starts.push_back(lineStart);
    }
}

std::size_t TextLines::lineStart(std::size_t line) const {
    return line < m_starts.size() ? m_starts[line] : m_text.size();
}

std::size_t TextLines::lineEnd(std::size_t line) const {
    if (line >= m_starts.size()) return m_text.size();
    std::size_t end = line + 1 < m_starts.size() ? m_starts[line + 1] : m_text.size();
    const std::size_t start = m_starts[line];
    if (end > start && m_text[end - 1] == '\n') {
        --end;
        if (end > start && m_text[end - 1] == '\r') --end;
    } else if (end > start && m_text[end - 1] == '\r') {
        --end;
    }
    return end;
}

std::size_t TextLines::lineAt(std::size_t pos) const {
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    return static_cast<std::size_t>(it - m_starts.begin()) - 1;
}

}  // namespace sj
