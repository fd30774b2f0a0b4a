#pragma once
// Upper Case, Lower Case, Invert Case and Capitalize over the selection.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

enum class CaseChange { Upper, Lower, Invert, Capitalize };

// The converted copy of a piece of text; never adds or drops a character.
std::string changeCase(std::string_view text, CaseChange mode);

// The whole command: nothing (nullopt) for an empty (widened) selection, otherwise the
// replacement, selected again.
std::optional<TextChange> changeSelectionCase(std::string_view text, std::size_t selStart,
                                              std::size_t selLength, CaseChange mode);

}  // namespace sj
