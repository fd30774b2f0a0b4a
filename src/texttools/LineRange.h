#pragma once
#include "texttools/LineEditor.h"

namespace sj {

struct LineRange {
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    // From the start of the first line's text to the end of the last line's text.
    Selection selection;
};

// The whole lines a selection touches. A selection that ends just after a hard break
// does not take the line after it; a paragraph broken by word wrap is taken whole.
LineRange lineRangeFromSelection(const LineSource& lines, Selection sel);

// From the start of line first to the end of the text of line last.
Selection lineSpan(const LineSource& lines, std::size_t first, std::size_t last);

}  // namespace sj
