#pragma once
// The rules of Jump to Line: the prompt, the characters the box takes and the
// line a typed number leads to.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sj::jumptoline {

constexpr const char* kCaption = "Jump to Line";
constexpr int kClientWidth = 300;
constexpr std::size_t kMaxLength = 10;

std::string prompt(std::size_t lineCount);
// Digits and backspace only.
bool acceptsChar(char32_t c);
// The 1-based line to go to, or nothing when the text is no number or names
// the current line. 0 leads to line 1, a number past the end to the last line.
std::optional<std::size_t> target(std::string_view text, std::size_t lineCount, std::size_t currentLine);

}  // namespace sj::jumptoline
