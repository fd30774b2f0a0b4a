#pragma once
// Splitting a line that is wider than the printable width: it breaks after the
// last separator that fits (a blank, a hyphen, a full stop ...), and a line
// without one is cut after the last character that fits. Letters, digits and
// the characters " # $ ' ( < @ [ _ { belong to words, so an opening bracket
// stays with the word that follows it.
#include <cstddef>
#include <string_view>

namespace sj {

class TabbedText;

struct LineSplit {
    std::string_view line;  // what goes on this printed line
    std::string_view rest;  // what is left for the next ones
    // Blanks taken off the end of line (the form-feed case puts them back).
    std::size_t trimmedBlanks = 0;

    // Never loses text: a first character wider than the width still goes
    // on the line by itself.
    static LineSplit split(std::string_view text, int width, const TabbedText& measure);
};

}  // namespace sj
