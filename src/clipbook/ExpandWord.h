#pragma once
// Expand Word: the word at the caret (or the selection widened to whole words)
// and the clip whose title matches it.
#include <cstddef>
#include <string_view>

#include "clipbook/ClipLibrary.h"

namespace sj {

struct WordSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

// The selection widened to whole words, each end moving only within its own
// line. text is the editor's UTF-8 with CR LF breaks; positions are byte offsets.
WordSpan widenToWords(std::string_view text, WordSpan selection);

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
