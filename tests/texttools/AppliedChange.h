#pragma once
// The text a command's TextChange leaves, as the editor would make it.
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

inline std::string applyChange(std::string_view text, const TextChange& c) {
    std::string out(text);
    out.replace(c.start, c.length, c.replacement);
    return out;
}

}  // namespace sj
