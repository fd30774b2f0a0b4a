#pragma once
// Character, word and other-item counts of a text, and the scope they are taken over.
// An item is a run of characters outside the statistics separators (the word delimiters
// less the hyphen); it is a word when it holds only letters and hyphens.
#include <cstddef>
#include <string>
#include <string_view>

#include "texttools/LineEditor.h"

namespace sj {

struct TextCounts {
    std::size_t characters = 0;  // every character but CR, LF and NUL
    std::size_t words = 0;
    std::size_t others = 0;  // numbers and mixed text
    bool operator==(const TextCounts&) const = default;
};

TextCounts countText(std::string_view text);

// True for the characters that end an item.
bool isStatisticsSeparator(char32_t c);
// True for the characters a word may hold: letters and the hyphen.
bool isWordLetter(char32_t c);

enum class StatisticsScope { NoDocument, WholeDocument, SelectedText };

struct StatisticsRange {
    StatisticsScope scope = StatisticsScope::NoDocument;
    // The text counted: the selection widened to whole words, or the whole document.
    Selection range;
};

// A selection of more than one character is counted, widened to whole words; otherwise
// the whole document.
StatisticsRange statisticsRange(std::string_view text, Selection selection, bool hasDocument = true);

// "Text Statistics [Selected Text]" and its kin.
std::string statisticsCaption(StatisticsScope scope);

}  // namespace sj
