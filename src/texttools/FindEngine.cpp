#include "texttools/FindEngine.h"

#include <algorithm>
#include <optional>

#include "text/Utf8.h"
#include "texttools/FindTokens.h"

namespace sj {

namespace {

constexpr std::size_t kMaxSelectionChars = 255;

bool hasLine(FindDocumentSet& docs) {
    return docs.count() > 0 && !docs.document(docs.currentIndex()).text().empty();
}

}  // namespace

const FindSettings& FindEngine::lastSettings() const {
    if (m_last == LastDialog::Replace) return m_replace;
    return m_find;
}

FindSettings& FindEngine::lastSettings() {
    if (m_last == LastDialog::Replace) return m_replace;
    return m_find;
}

void FindEngine::markStart(FindDocumentSet& docs) {
    if (docs.count() == 0) return;
    m_startDocument = docs.currentIndex();
    m_startPosition = std::min(docs.document(m_startDocument).selectionStart(),
                               docs.document(m_startDocument).text().size());
}

DialogCommand FindEngine::openCommand(FindDocumentSet& docs, FindSettings& settings, bool dialogOpen,
                                      bool overwriteMode) {
    DialogCommand cmd;
    if (docs.count() == 0) return cmd;
    markStart(docs);
    const std::string_view selected = selectedText(docs.document(docs.currentIndex()));
    if (dialogOpen && FindMatcher::equalIgnoringCase(selected, settings.searchText())) {
        cmd.focusFindNextOnly = true;
        return cmd;
    }
    const std::size_t chars = utf8::countChars(selected);
    // A single character under the block caret of overwrite mode is no selection.
    m_startLength = (chars == 1 && overwriteMode) ? 0 : selected.size();
    if (m_startLength > 0 && chars <= kMaxSelectionChars) {
        settings.setSearchToken(findtokens::encode(selected));
        cmd.tokenFromSelection = true;
    }
    return cmd;
}

DialogCommand FindEngine::startFind(FindDocumentSet& docs, bool findDialogOpen, bool overwriteMode) {
    m_last = LastDialog::Find;
    return openCommand(docs, m_find, findDialogOpen, overwriteMode);
}

DialogCommand FindEngine::startReplace(FindDocumentSet& docs, bool replaceDialogOpen, bool overwriteMode) {
    const DialogCommand cmd = openCommand(docs, m_replace, replaceDialogOpen, overwriteMode);
    if (!cmd.focusFindNextOnly) m_replace.replaceEnabled = cmd.tokenFromSelection;
    return cmd;
}

FindOutcome FindEngine::findNext(FindDocumentSet& docs) {
    m_last = LastDialog::Find;
    markStart(docs);
    return search(docs);
}

FindOutcome FindEngine::findAgain(FindDocumentSet& docs) {
    markStart(docs);
    return search(docs);
}

FindOutcome FindEngine::findAgainReverse(FindDocumentSet& docs) {
    SearchOptions& options = lastSettings().options;
    options.setDown(!options.down());
    return findAgain(docs);
}

FindOutcome FindEngine::search(FindDocumentSet& docs, bool showNotFound) {
    FindOutcome out;
    const FindSettings& settings = lastSettings();
    const std::string& needle = settings.searchText();
    const std::size_t count = docs.count();
    if (needle.empty() || count == 0) return out;

    SearchOptions options = settings.options;
    // The replace dialog searches all documents downwards only.
    if (m_last == LastDialog::Replace && settings.searchAll) options.setDown(true);
    const bool down = options.down();
    const FindMatcher matcher(needle, options);

    const std::size_t current = std::min(docs.currentIndex(), count - 1);
    const std::size_t start = m_startDocument < count ? m_startDocument : current;
    std::optional<FindMatch> match;
    std::size_t where = current;

    {
        FindDocument& doc = docs.document(current);
        const std::string_view text = doc.text();
        const std::string_view selected = selectedText(doc);
        const std::size_t selStart = std::min(doc.selectionStart(), text.size());
        const bool onMatch = matcher.matchesWhole(selected);
        if (down) {
            match = matcher.findForward(text, onMatch ? selStart + selected.size() : selStart, text.size());
        } else {
            match = matcher.findBackward(text, 0, onMatch ? selStart : selStart + selected.size());
        }
    }

    if (!match && settings.searchAll) {
        bool backAtStart = false;
        std::size_t i = current;
        for (std::size_t step = 0; step < count && !match; ++step) {
            i = (i + 1) % count;
            if (i == start) {
                backAtStart = true;
                break;
            }
            FindDocument& doc = docs.document(i);
            if (m_last == LastDialog::Replace && doc.readOnly()) continue;
            const std::string_view text = doc.text();
            if (down) {
                doc.select(0, 0);
                match = matcher.findForward(text, 0, text.size());
            } else {
                match = matcher.findBackward(text, 0, text.size());
            }
            if (match) where = i;
        }
        if (!match && backAtStart) {
            // The rest of the start document: what lies before the start
            // position going down, after the start selection going up.
            FindDocument& doc = docs.document(start);
            const std::string_view text = doc.text();
            if (down) {
                const std::size_t end = std::min(m_startPosition, text.size());
                if (end > 0) match = matcher.findForward(text, 0, end);
                if (!match) doc.select(end, 0);
            } else {
                const std::size_t from = std::min(m_startPosition + m_startLength, text.size());
                if (from < text.size()) match = matcher.findBackward(text, from, text.size());
                if (!match) doc.select(from, 0);
            }
            if (match) where = start;
        }
    }

    if (match) {
        docs.document(where).select(match->pos, match->length);
        if (where != current) docs.activate(where);
        out.found = true;
    } else if (showNotFound) {
        out.message = notFoundMessage(needle);
    }
    return out;
}

bool FindEngine::findEnabled(FindDocumentSet& docs) {
    return hasLine(docs) || docs.count() > 1;
}

bool FindEngine::replaceEnabled(FindDocumentSet& docs) {
    return findEnabled(docs) && docs.count() > 0 && !docs.document(docs.currentIndex()).readOnly();
}

bool FindEngine::searchAgainEnabled(FindDocumentSet& docs) const {
    if (m_last == LastDialog::Replace) return replaceEnabled(docs) && !m_replace.searchText().empty();
    return findEnabled(docs) && !m_find.searchText().empty();
}

bool FindEngine::searchAgainReverseEnabled(FindDocumentSet& docs) const {
    if (!hasLine(docs)) return false;
    if (m_last == LastDialog::Replace) {
        return !docs.document(docs.currentIndex()).readOnly() && !m_replace.searchText().empty();
    }
    return !m_find.searchText().empty();
}

}  // namespace sj
