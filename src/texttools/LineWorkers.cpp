#include "texttools/LineWorkers.h"

#include <algorithm>
#include <cstring>

namespace sj {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

// Length of the line break at pos (0 when none).
std::size_t breakLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    return text[pos] == '\n' ? 1 : 0;
}

// Position of the next CR or LF at or after pos, text.size() when none.
std::size_t nextBreak(std::string_view text, std::size_t pos) {
    const char* data = text.data();
    const std::size_t n = text.size();
    while (pos < n) {
        const void* lf = std::memchr(data + pos, '\n', n - pos);
        const std::size_t lfPos = lf ? static_cast<const char*>(lf) - data : n;
        const void* cr = std::memchr(data + pos, '\r', lfPos - pos);
        return cr ? static_cast<const char*>(cr) - data : lfPos;
    }
    return n;
}

}  // namespace

int clampIndentSize(int indentSize) {
    return std::clamp(indentSize, 1, kMaxIndentSize);
}

std::string adjustLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t brk = nextBreak(text, pos);
        out.append(text.data() + pos, brk - pos);
        if (brk >= text.size()) break;
        out.append("\r\n", 2);
        pos = brk + breakLength(text, brk);
    }
    return out;
}

CompressResult compressLines(std::string_view text) {
    CompressResult result;
    std::string& out = result.text;
    out.resize(text.size());
    char* dst = out.data();
    const char* src = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const void* lf = std::memchr(src + i, '\n', n - i);
        const std::size_t lfPos = lf ? static_cast<const char*>(lf) - src : n;
        // Copy up to and including the LF, unless a CR follows it.
        if (lfPos >= n) {
            std::memcpy(dst, src + i, n - i);
            dst += n - i;
            break;
        }
        if (lfPos + 1 < n && src[lfPos + 1] == '\r') {
            std::memcpy(dst, src + i, lfPos - i);
            dst += lfPos - i;
            ++result.removedBreaks;
            // The character after the dropped pair (the LF of the second break) is
            // copied without being looked at, so the next pair cannot overlap.
            i = lfPos + 2;
            if (i < n) *dst++ = src[i++];
        } else {
            std::memcpy(dst, src + i, lfPos + 1 - i);
            dst += lfPos + 1 - i;
            i = lfPos + 1;
        }
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return result;
}

std::string trimBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t brk = nextBreak(text, pos);
        std::size_t end = brk;
        while (end > pos && isBlank(text[end - 1])) --end;
        out.append(text.data() + pos, end - pos);
        if (brk >= text.size()) break;
        const std::size_t len = breakLength(text, brk);
        out.append(text.data() + brk, len);
        pos = brk + len;
    }
    return out;
}

std::string indentLines(std::string_view text, int indentSize) {
    if (text.empty()) return {};
    const std::string indent(static_cast<std::size_t>(clampIndentSize(indentSize)), ' ');
    // One pass to size the buffer exactly, one to fill it.
    std::size_t lines = 1;
    for (std::size_t pos = nextBreak(text, 0); pos < text.size(); pos = nextBreak(text, pos)) {
        pos += breakLength(text, pos);
        if (pos < text.size() && !isBreak(text[pos])) ++lines;
    }
    std::string out;
    out.reserve(text.size() + lines * indent.size());
    out += indent;
    std::size_t pos = 0;
    while (true) {
        const std::size_t brk = nextBreak(text, pos);
        if (brk >= text.size()) {
            out.append(text.data() + pos, text.size() - pos);
            break;
        }
        const std::size_t next = brk + breakLength(text, brk);
        out.append(text.data() + pos, next - pos);
        if (next < text.size() && !isBreak(text[next])) out += indent;
        pos = next;
    }
    return out;
}

std::string unindentLines(std::string_view text, int indentSize) {
    const std::size_t size = static_cast<std::size_t>(clampIndentSize(indentSize));
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t spaces = 0;
        while (spaces < size && pos + spaces < text.size() && text[pos + spaces] == ' ') ++spaces;
        if (spaces == size) pos += size;
        const std::size_t brk = nextBreak(text, pos);
        const std::size_t next = brk + breakLength(text, brk);
        out.append(text.data() + pos, next - pos);
        if (next >= text.size()) break;
        pos = next;
    }
    return out;
}

std::string joinLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c != '\n' || (i + 1 < n && text[i + 1] == '\r')) {
            out.push_back(c);
            ++i;
            continue;
        }
        // A line feed followed by a non-empty line: close the gap.
        if (!out.empty() && out.back() == '\r') out.pop_back();
        while (!out.empty() && isBlank(out.back())) out.pop_back();
        const bool atEnd = i + 1 >= n;
        ++i;
        while (i < n && isBlank(text[i])) ++i;
        const bool lineEmpty = out.empty() || isBreak(out.back());
        if (!lineEmpty && out.back() != '-' && !atEnd) out.push_back(' ');
    }
    return out;
}

}  // namespace sj
