#pragma once
// Single Space and Single Tab: collapse runs of spaces.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

enum class SpaceMode { SingleSpace, SingleTab };

// Each run of two or more spaces becomes one space or one tab; a lone space stays a space.
std::string collapseSpaces(std::string_view text, SpaceMode mode);

// With fewer than three characters selected the whole document is converted. Nothing
// happens (nullopt) on an empty document.
std::optional<TextChange> ConvertSpaces(std::string_view text, std::size_t selStart, std::size_t selLength,
                                        SpaceMode mode);

}  // namespace sj
