#pragma once
// Upper Case, Lower Case, Invert Case and Capitalize over the selection.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

enum class CaseChange { Upper, Lower, Invert, Capitalize };

struct TextRange {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Capitalize works on whole words: widens [start, start+length) to word boundaries, looking
// only within the lines of its two ends. An end that falls before the start gives length 0.
TextRange widenToWords(std::string_view text, std::size_t start, std::size_t length);

// The converted copy of a piece of text; never adds or drops a character.
std::string changeCase(std::string_view text, CaseChange mode);

// The whole command: nothing (nullopt) for an empty (widened) selection, otherwise the
// replacement, selected again.
std::optional<TextChange> ChangeSelCase(std::string_view text, std::size_t selStart, std::size_t selLength,
                                        CaseChange mode);

}  // namespace sj
