#pragma once
// The text rewrites behind the line commands. Each takes the text of a line range and
// returns its new form; line breaks are CR LF, a lone CR or a lone LF, and a blank is a
// space or a tab.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj {

// Longest indent the configuration can ask for; 0 counts as 1.
constexpr int kMaxIndentSize = 99;
int clampIndentSize(int indentSize);

// Every lone CR and lone LF becomes CR LF.
std::string adjustLineBreaks(std::string_view text);

struct CompressResult {
    std::string text;
    std::size_t removedBreaks = 0;
};
// Two adjacent line breaks become one: a run of k empty lines after a line keeps k/2.
CompressResult compressLines(std::string_view text);

// Removes the blanks before every line break and at the end of the text.
std::string trimBlanks(std::string_view text);

// Prefixes the first line and every further non-empty line with indentSize spaces.
std::string indentLines(std::string_view text, int indentSize);

// Removes indentSize spaces from every line that starts with at least that many.
std::string unindentLines(std::string_view text, int indentSize);

// Joins each non-empty line to the one before it with one space (none after a
// hyphen); an empty line stays a paragraph break.
std::string joinLines(std::string_view text);

}  // namespace sj
