#include "texttools/ReplaceEngine.h"

#include <algorithm>
#include <vector>

namespace sj {

SearchOptions ReplaceEngine::effectiveOptions() const {
    const ReplaceSettings& s = m_engine.replaceSettings();
    SearchOptions options = s.options;
    if (s.searchAll) options.setDown(true);
    return options;
}

FindOutcome ReplaceEngine::findNextToReplace(FindDocumentSet& docs, bool showNotFound) {
    m_engine.setLastDialog(LastDialog::Replace);
    m_engine.markStart(docs);
    return m_engine.search(docs, showNotFound);
}

bool ReplaceEngine::checkReplaceable(FindDocumentSet& docs) const {
    if (docs.count() == 0) return false;
    const ReplaceSettings& s = m_engine.replaceSettings();
    const FindMatcher matcher(s.searchText(), s.options);
    return matcher.matchesWhole(selectedText(docs.document(docs.currentIndex())));
}

ReplaceOutcome ReplaceEngine::replaceOnce(FindDocumentSet& docs) {
    ReplaceOutcome out;
    if (docs.count() == 0) return out;
    FindDocument& doc = docs.document(docs.currentIndex());
    if (doc.readOnly()) {
        out.message = kReadOnlyMessage;
        out.beep = true;
        return out;
    }
    const std::string& repl = m_engine.replaceSettings().replaceText();
    const std::size_t start = std::min(doc.selectionStart(), doc.text().size());
    const std::size_t length = selectedText(doc).size();
    doc.replaceRange(start, length, repl);
    // Going up, the caret stays before the new text so that the next search
    // does not see it.
    doc.select(effectiveOptions().down() ? start + repl.size() : start, 0);
    out.replaced = true;
    return out;
}

ReplaceStepOutcome ReplaceEngine::replaceAndFindNext(FindDocumentSet& docs) {
    ReplaceStepOutcome out;
    out.replace = replaceOnce(docs);
    if (!out.replace.replaced) return out;
    out.nextFound = findNextToReplace(docs, false).found;
    return out;
}

ReplaceAllOutcome ReplaceEngine::replaceAll(FindDocumentSet& docs, const ReplaceProgress& progress) {
    ReplaceAllOutcome out;
    const ReplaceSettings& s = m_engine.replaceSettings();
    m_engine.setLastDialog(LastDialog::Replace);
    m_engine.markStart(docs);
    const std::size_t count = docs.count();
    if (count == 0 || s.searchText().empty()) {
        out.hint = countHint(0);
        return out;
    }
    const SearchOptions options = effectiveOptions();
    const std::size_t start = docs.currentIndex();
    FindDocument& startDoc = docs.document(start);
    if (startDoc.readOnly() && !s.searchAll) {
        out.message = kReadOnlyMessage;
        out.beep = true;
        out.hint = countHint(0);
        return out;
    }
    const std::size_t selStart = std::min(startDoc.selectionStart(), startDoc.text().size());
    const std::size_t selEnd = selStart + selectedText(startDoc).size();
    // Replacing starts at the selection start going down, at its end going up.
    startDoc.select(options.down() ? selStart : selEnd, 0);

    // The documents in the order the search visits them; read-only ones are
    // passed over.
    std::vector<std::size_t> order;
    if (!startDoc.readOnly()) order.push_back(start);
    if (s.searchAll) {
        for (std::size_t step = 1; step < count; ++step) {
            const std::size_t i = (start + step) % count;
            if (!docs.document(i).readOnly()) order.push_back(i);
        }
    }
    std::size_t total = 0;
    for (std::size_t i : order) total += docs.document(i).text().size();

    const FindMatcher matcher(s.searchText(), options);
    ReplaceAllPass pass(matcher, s.replaceText(), s.searchAll, progress, total);
    std::optional<std::size_t> lastChanged;
    bool startHeadChanged = false;
    for (std::size_t i : order) {
        FindDocument& doc = docs.document(i);
        const std::string_view text = doc.text();
        std::optional<DocumentReplacement> r;
        if (i == start) {
            r = options.down() ? pass.forward(text, selStart, s.searchAll) : pass.backward(text, selEnd);
        } else {
            r = pass.forward(text, 0, false);
        }
        if (!r) {
            out.cancelled = true;
            break;
        }
        if (r->count == 0) continue;
        if (i == start && s.searchAll && r->endedInHead) startHeadChanged = true;
        doc.replaceRange(r->pos, r->length, r->with);
        doc.select(r->caret, 0);
        out.count += r->count;
        lastChanged = i;
    }
    // The search visits the head of the start document last; it ends where
    // the last replacement was made.
    if (startHeadChanged) lastChanged = start;
    if (lastChanged && *lastChanged != docs.currentIndex()) docs.activate(*lastChanged);

    out.hint = countHint(out.count);
    // Found, but every match already read as the replacement: that is not "not found".
    if (out.count == 0 && !out.cancelled)
        out.message = pass.identicalCount() > 0 ? nothingToReplaceMessage(s.searchText(), s.replaceText())
                                                : FindEngine::notFoundMessage(s.searchText());
    return out;
}

}  // namespace sj
