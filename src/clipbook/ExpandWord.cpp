#include "clipbook/ExpandWord.h"

#include <algorithm>

#include "clipbook/ClipTitleKey.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"

namespace sj {
int lookupClipTitle(const ClipLibrary& list, std::string_view word) {
    if (word.empty()) return -1;
    int exact = list.findItem(word, true);
    if (exact >= 0) return exact;
    const std::string key = foldedKey(word);
    const std::size_t n = list.count();
    for (std::size_t i = 0; i < n; ++i)
        if (list.foldedTitle(i) == key) return static_cast<int>(i);
    for (std::size_t i = 0; i < n; ++i)
        if (std::string_view(list.foldedTitle(i)).starts_with(key)) return static_cast<int>(i);
    return -1;
}

ExpandWordResult expandWord(std::string_view text, WordSpan selection, const ClipLibrary& list,
                            bool readOnly) {
    ExpandWordResult result;
    WordSpan sel{std::min(selection.start, text.size()), std::min(selection.end, text.size())};
    if (sel.end < sel.start) std::swap(sel.start, sel.end);

    if (sel.start == sel.end) {
        const std::size_t caret = sel.start;
        bool found = false;
        if (caret < text.size()) {
            std::size_t next = caret;
            char32_t c = utf8::decode(text, next);
            sel = {caret, next};
            found = !isWordDelimiter(c);
        }
        if (!found && caret > 0) {
            std::size_t prev = caret;
            char32_t c = utf8::decodeBefore(text, prev);
            sel = {prev, caret};
            found = !isWordDelimiter(c);
        }
        if (!found) {
            result.selection = sel;
            return result;
        }
    }

    result.selection = widenToWords(text, sel);
    if (readOnly) {
        result.outcome = ExpandOutcome::ReadOnly;
        return result;
    }
    std::string_view word =
        text.substr(result.selection.start, result.selection.end - result.selection.start);
    result.itemIndex = lookupClipTitle(list, word);
    result.outcome = result.itemIndex >= 0 ? ExpandOutcome::Found : ExpandOutcome::NotFound;
    return result;
}

}  // namespace sj
