#pragma once
// Insert Date/Time and Insert Page Break: both put their text at the start of a line.
#include <cstddef>
#include <optional>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

// The date stamp on a line of its own: at the caret's line start when the caret is in column
// 1, else at the start of the next line (after adding a line break when there is none). The
// caret ends after the inserted text. Nothing happens on a read-only document.
// dateText is the formatted stamp (see dateStampText in text/DateFilter.h).
std::optional<TextChange> SBPasteTimeClick(std::string_view text, std::size_t caret,
                                           std::string_view dateText, bool readOnly);

// A form feed and a line break at the start of the line (the caret's line in column 1, else
// the next one, or the end of the text on the last line). The selection collapses to its start.
std::optional<TextChange> insertFormFeed(std::string_view text, std::size_t selStart, bool readOnly);

}  // namespace sj
