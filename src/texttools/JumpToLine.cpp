#include "texttools/JumpToLine.h"

#include <algorithm>
#include <cstdint>

namespace sj::jumptoline {

std::string prompt(std::size_t lineCount) {
    return "Jump to line [1 to " + std::to_string(lineCount) + "]";
}

bool acceptsChar(char32_t c) {
    return (c >= '0' && c <= '9') || c == 8;
}

std::optional<std::size_t> target(std::string_view text, std::size_t lineCount, std::size_t currentLine) {
    if (text.empty() || lineCount == 0) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'), UINT64_MAX / 10);
    }
    std::size_t line = value == 0 ? 1 : static_cast<std::size_t>(std::min<std::uint64_t>(value, lineCount));
    if (line == currentLine) return std::nullopt;
    return line;
}

}  // namespace sj::jumptoline
