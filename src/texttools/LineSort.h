#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class LocaleCollator;

// The lines of a text: split at CR LF, a lone CR or a lone LF; a break at the very end
// ends the last line and starts no empty one.
std::vector<std::string_view> splitLines(std::string_view text);

// Sorts the lines of text ascending in the collator's order (byte order without one).
// Lines that compare equal keep their order. Every line of the result, the last one
// included, ends with CR LF. Nothing (no result) for fewer than two lines.
std::optional<std::string> sortLines(std::string_view text, const LocaleCollator* collator);

}  // namespace sj
