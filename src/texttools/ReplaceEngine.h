#pragma once
// The main window's answers to the replace dialog: Find Next, the check that
// enables Replace, Replace and Replace All.
#include <cstddef>
#include <string>

#include "texttools/FindEngine.h"
#include "texttools/ReplaceAllPass.h"

namespace sj {

struct ReplaceOutcome {
    bool replaced = false;
    // Shown in an information box when not empty; beep first when beep is set.
    std::string message;
    bool beep = false;
};

// The Replace button: the selection replaced, then the next match searched.
struct ReplaceStepOutcome {
    ReplaceOutcome replace;
    // A next match was found and selected: Replace stays enabled. Otherwise
    // Replace is disabled and the focus goes to Find Next, without a message.
    bool nextFound = false;
};

struct ReplaceAllOutcome {
    std::size_t count = 0;
    bool cancelled = false;
    std::string hint;  // "N replacement(s) made!"
    std::string message;
    bool beep = false;
};

class ReplaceEngine {
public:
    static constexpr const char* kReadOnlyMessage = "This document is Read-Only, cannot replace text!";

    explicit ReplaceEngine(FindEngine& engine) : m_engine(engine) {}

    // Find Next of the replace dialog; showNotFound false while Replace searches.
    FindOutcome findNextToReplace(FindDocumentSet& docs, bool showNotFound = true);
    // True when the selection is a match, so that Replace may act on it.
    bool checkReplaceable(FindDocumentSet& docs) const;
    // Replaces the selection of the current document.
    ReplaceOutcome replaceOnce(FindDocumentSet& docs);
    // The Replace button as a whole.
    ReplaceStepOutcome replaceAndFindNext(FindDocumentSet& docs);
    // Replace All. Each document changes in one replacement of its text; a
    // document whose work is cancelled stays as it was and is not counted.
    ReplaceAllOutcome replaceAll(FindDocumentSet& docs, const ReplaceProgress& progress = {});

    static std::string nothingToReplaceMessage(const std::string& searchText,
                                               const std::string& replacement) {
        return "Nothing needed replacing: every \"" + searchText + "\" already reads \"" + replacement +
               "\".";
    }
    static std::string countHint(std::size_t count) {
        return std::to_string(count) + " replacement(s) made!";
    }

private:
    SearchOptions effectiveOptions() const;

    FindEngine& m_engine;
};

}  // namespace sj
