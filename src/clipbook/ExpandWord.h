#pragma once
// Expand Word: the word at the caret (or the selection widened to whole words)
// and the clip whose title matches it.
#include <cstddef>
#include <string_view>

#include "clipbook/ClipLibrary.h"
#include "text/WordSpan.h"

namespace sj {

// The item for a word: exact title, else title equal ignoring case, else the
// first title (in list order) that begins with the word ignoring case; -1 when
// none. An empty word matches nothing.
int lookupClipTitle(const ClipLibrary& list, std::string_view word);

enum class ExpandOutcome {
    NoWord,    // no word character at the caret: nothing happens, no beep
    ReadOnly,  // the word is selected, but the document cannot change: beep
    NotFound,  // the word is selected, no title matches: beep
    Found,     // replace the word by the item (a non-interactive paste)
};

struct ExpandWordResult {
    ExpandOutcome outcome = ExpandOutcome::NoWord;
    WordSpan selection;  // what the editor selects: the word, or the single character tried
    int itemIndex = -1;
};

ExpandWordResult expandWord(std::string_view text, WordSpan selection, const ClipLibrary& list,
                            bool readOnly = false);

}  // namespace sj
