#pragma once
// The result of a text command, computed without an editor: which range to replace with
// what, and what to select afterwards. Offsets are UTF-8 byte positions.
#include <cstddef>
#include <string>

namespace sj {

struct TextChange {
    bool replaces = true;   // false: the text stays as it is; only the selection below is set
    std::size_t start = 0;  // range of the old text to replace
    std::size_t length = 0;
    std::string replacement;
    std::size_t selStart = 0;  // selection afterwards, in the new text
    std::size_t selLength = 0;
};

}  // namespace sj
