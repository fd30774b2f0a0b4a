#pragma once
// UTF-8 helpers shared by every text service. The editor buffer is UTF-8;
// positions are byte offsets, so these never allocate per character.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj::utf8 {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts (1 for ASCII and for stray bytes).
inline std::size_t seqLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    return 1;
}

inline bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Decodes the character at pos and advances pos past it. Malformed input yields
// U+FFFD and advances one byte, so a loop always terminates.
char32_t decode(std::string_view s, std::size_t& pos);

// Decodes the character that ends just before pos and moves pos to its start.
char32_t decodeBefore(std::string_view s, std::size_t& pos);

void append(std::string& out, char32_t cp);
std::string encode(char32_t cp);

// True when the whole buffer is well-formed UTF-8 (no overlongs, no surrogates).
bool isValid(std::string_view s);

// Start of the character containing byte offset pos (pos itself when on a boundary).
std::size_t floorBoundary(std::string_view s, std::size_t pos);

// Number of characters (code points) in s.
std::size_t countChars(std::string_view s);

}  // namespace sj::utf8
