#pragma once
// Case-insensitive comparison of clip titles and library names. Each code
// point is simply case-folded, so a key has the same number of characters as
// its text: a prefix of a text folds to a prefix of its key, and byte order of
// keys is code point order, independent of the user's locale.
#include <string>
#include <string_view>

namespace sj {

std::string foldedKey(std::string_view utf8);

// <0, 0, >0 without regard to case; texts equal but for case compare by bytes,
// so the order is total and the same on every run.
int compareWithoutCase(std::string_view a, std::string_view b);

bool equalsWithoutCase(std::string_view a, std::string_view b);

}  // namespace sj
