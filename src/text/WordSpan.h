#pragma once
// A stretch of text between two byte offsets, and its widening to whole words: Expand Word
// and Capitalize both act on the words a selection touches.
#include <cstddef>
#include <string_view>

namespace sj {

struct WordSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

// The selection widened to whole words, each end moving only within its own line; a
// selection of delimiters only comes back empty. text is UTF-8 with CR LF, LF or CR
// breaks; positions are byte offsets.
WordSpan widenToWords(std::string_view text, WordSpan selection);

}  // namespace sj
