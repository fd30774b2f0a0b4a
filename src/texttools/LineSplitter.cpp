#include "texttools/LineSplitter.h"

#include <algorithm>

#include "text/CharClass.h"
#include "text/Utf8.h"

namespace sj {

namespace {

std::string_view trimTrailingSpaces(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Byte offsets of the character boundaries of s, up to maxChars characters.
std::vector<std::size_t> boundaries(std::string_view s, std::size_t maxChars) {
    std::vector<std::size_t> b{0};
    std::size_t pos = 0;
    while (pos < s.size() && b.size() <= maxChars) {
        utf8::decode(s, pos);
        b.push_back(pos);
    }
    return b;
}

}  // namespace

LinePiece cutPiece(std::string_view line, int availableWidth, const TextWidthFn& width) {
    const int available = std::max(availableWidth, 0);
    // No character is narrower than one pixel in practice, so a fitting piece has at most
    // `available` characters; measuring a window just longer than that keeps long lines
    // from being measured whole for every piece.
    const std::size_t windowChars = static_cast<std::size_t>(available) + 1;
    std::vector<std::size_t> b = boundaries(line, windowChars);
    std::string_view candidate = line.substr(0, b.back());
    int w = width(candidate);
    if (candidate.size() < line.size() && w <= available) {
        b = boundaries(line, line.size());
        candidate = line;
        w = width(candidate);
    }
    if (candidate.size() == line.size() && (w <= available || w == 0)) return {line, line.size()};

    // Estimate how many characters fit, shrinking in proportion to the overshoot.
    long n = static_cast<long>(b.size()) - 1;
    while (true) {
        const long prev = n;
        n = static_cast<long>(static_cast<double>(available) / w * static_cast<double>(n));
        if (n >= prev) n = prev - 1;
        if (n < 1) break;
        w = width(candidate.substr(0, b[static_cast<std::size_t>(n)]));
        if (w <= available) break;
    }
    if (n < 1) {
        n = 0;
        w = 0;
    }
    // Then add characters one by one while they still fit.
    std::size_t fitBytes = b[static_cast<std::size_t>(n)];
    if (w != available) {
        int sum = w;
        while (fitBytes < line.size()) {
            std::size_t next = fitBytes;
            utf8::decode(line, next);
            const int cw = width(line.substr(fitBytes, next - fitBytes));
            if (sum + cw > available) break;
            sum += cw;
            fitBytes = next;
        }
    }
    if (fitBytes == 0) {
        // Not even one character fits: take it anyway rather than drop the rest.
        utf8::decode(line, fitBytes);
    }

    // Break after the last non-word character among those that fit.
    std::size_t breakEnd = 0;
    for (std::size_t pos = 0; pos < fitBytes;) {
        const char32_t c = utf8::decode(line, pos);
        if (!charclass::isSplitWordChar(c)) breakEnd = pos;
    }
    if (breakEnd == 0) return {trimTrailingSpaces(line.substr(0, fitBytes)), fitBytes};
    std::size_t rest = breakEnd;
    if (rest < line.size() && line[rest] == ' ') ++rest;
    return {trimTrailingSpaces(line.substr(0, breakEnd)), rest};
}

std::vector<std::string_view> splitToWidth(std::string_view line, int availableWidth,
                                           const TextWidthFn& width) {
    std::vector<std::string_view> pieces;
    if (line.empty()) {
        pieces.emplace_back();
        return pieces;
    }
    while (!line.empty()) {
        const LinePiece piece = cutPiece(line, availableWidth, width);
        pieces.push_back(piece.text);
        line.remove_prefix(piece.restStart);
    }
    return pieces;
}

}  // namespace sj
