#pragma once
// Computes Replace All for one document in a single pass, without touching
// the document, so that the caller applies it as one replacement (one undo
// step). The result is the one that replacing match by match would give:
// a replacement is never searched again, and the whole-word test sees the
// replacements already made next to a match.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/FindMatcher.h"

namespace sj {

// Progress of a Replace All: bytes searched so far and in all. Returns false
// to cancel.
using ReplaceProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct DocumentReplacement {
    std::size_t count = 0;
    // Range of the old text to replace and its new content.
    std::size_t pos = 0;
    std::size_t length = 0;
    std::string with;
    // Caret in the new text: after the last replacement made (downwards) or at
    // the start of the last one made (upwards).
    std::size_t caret = 0;
    // The last replacement was made in the part before the start, searched
    // after wrapping round.
    bool endedInHead = false;
};

class ReplaceAllPass {
public:
    // skipIdentical: a match that already reads exactly as the replacement is
    // left alone and not counted.
    ReplaceAllPass(const FindMatcher& matcher, std::string_view replacement, bool skipIdentical,
                   ReplaceProgress progress = {}, std::size_t total = 0);

    // Downwards from `from` to the end; with wrapHead, afterwards also the
    // matches that end at or before `from`. Nothing when cancelled.
    std::optional<DocumentReplacement> forward(std::string_view text, std::size_t from, bool wrapHead);
    // Upwards: every match that ends at or before `to`, nearest first.
    std::optional<DocumentReplacement> backward(std::string_view text, std::size_t to);

    // Counts a document as searched for the progress (one passed over, say).
    bool skipDocument(std::size_t size);
    bool cancelled() const { return m_cancelled; }
    // Matches passed over because they already read as the replacement.
    std::size_t identicalCount() const { return m_identical; }

private:
    std::vector<FindMatch> collectForward(std::string_view text, std::size_t from, std::size_t to,
                                          char32_t afterTo, std::size_t progressBase);
    bool report(std::size_t doneInDocument);
    DocumentReplacement build(std::string_view text, const std::vector<FindMatch>& matches,
                              bool caretAfter) const;

    const FindMatcher& m_matcher;
    std::string m_replacement;
    bool m_skipIdentical;
    ReplaceProgress m_progress;
    std::size_t m_total;
    std::size_t m_doneBefore = 0;  // bytes of the documents finished
    std::size_t m_lastReport = 0;
    bool m_cancelled = false;
    std::size_t m_identical = 0;
};

}  // namespace sj
