#include "texttools/SpacingCommands.h"

#include <algorithm>

#include "text/Utf8.h"

namespace sj {

std::string collapseSpaces(std::string_view text, SpaceMode mode) {
    std::string out;
    out.reserve(text.size());
    const char runReplacement = mode == SpaceMode::SingleTab ? '\t' : ' ';
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t space = text.find(' ', i);
        if (space == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, space - i));
        std::size_t runEnd = space;
        while (runEnd < text.size() && text[runEnd] == ' ') ++runEnd;
        out.push_back(runEnd - space == 1 ? ' ' : runReplacement);
        i = runEnd;
    }
    return out;
}

std::optional<TextChange> ConvertSpaces(std::string_view text, std::size_t selStart, std::size_t selLength,
                                        SpaceMode mode) {
    if (text.empty()) return std::nullopt;
    selStart = utf8::floorBoundary(text, std::min(selStart, text.size()));
    std::size_t selEnd = utf8::floorBoundary(text, std::min(selStart + selLength, text.size()));
    // Counting stops at three: a huge selection costs nothing here.
    std::size_t chars = 0;
    for (std::size_t pos = selStart; pos < selEnd && chars < 3; ++chars) utf8::decode(text, pos);
    if (chars < 3) {
        selStart = 0;
        selEnd = text.size();
    }
    TextChange change;
    change.start = selStart;
    change.length = selEnd - selStart;
    change.replacement = collapseSpaces(text.substr(selStart, selEnd - selStart), mode);
    change.selStart = selStart;
    change.selLength = change.replacement.size();
    return change;
}

}  // namespace sj
