#include "clipbook/ui/ClipPaster.h"

#include "clipbook/ClipExpander.h"
#include "clipbook/CommandClipRunner.h"
#include "clipbook/DateFilterFieldSource.h"
#include "clipbook/ExpandWord.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "clipbook/ui/PageExpansionDocument.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/LocaleDates.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {

bool ClipPaster::paste(const std::string& body, DocumentPage* page, bool interactive) {
    return apply(body, page, interactive, false);
}

bool ClipPaster::apply(const std::string& body, DocumentPage* page, bool interactive, bool replacingWord) {
    DateFilterFieldSource dates(currentDateTime(), localeNamesFromSystem());
    ClipExpander expander(m_prompts, dates);
    std::optional<PageExpansionDocument> doc;
    if (page) doc.emplace(*page, replacingWord);
    const ExpansionResult result = expander.expand(body, doc ? &*doc : nullptr, interactive);
    switch (result.outcome) {
        case ExpansionResult::Outcome::Nothing:
            return false;
        case ExpansionResult::Outcome::Cancelled:
            // Expand Word has already given up the word once the clip was found.
            if (replacingWord && page)
                page->replaceRange(page->selStart(), page->selLength(), std::string_view(""));
            return false;
        case ExpansionResult::Outcome::Failed:
            if (!result.error.empty()) msg::error(qs(result.error));
            return false;
        case ExpansionResult::Outcome::Launch:
            return CommandClipRunner::run(result.commands, m_launcher);
        case ExpansionResult::Outcome::Paste:
            break;
    }
    if (!page || page->isReadOnly()) return false;
    const Pos start = page->selStart();
    page->ensurePasteHeadroom(static_cast<Pos>(result.edit.text.size()));
    page->replaceRange(start, page->selLength(), result.edit.text);
    if (result.edit.selectInserted)
        page->setSel(start, static_cast<Pos>(result.edit.text.size()));
    else
        page->setCaret(start + static_cast<Pos>(result.edit.caretOffset));
    // From the floating Clipbook too, the next key goes into the text.
    page->activateWindow();
    page->setFocus();
    return true;
}

ExpandOutcome ClipPaster::expandWord(DocumentPage& page, const ClipLibrary& list) {
    const std::string_view text = page.textView();
    WordSpan sel{static_cast<std::size_t>(page.selStart()),
                 static_cast<std::size_t>(page.selStart() + page.selLength())};
    const ExpandWordResult r = sj::expandWord(text, sel, list, page.isReadOnly());
    page.setSel(static_cast<Pos>(r.selection.start), static_cast<Pos>(r.selection.end - r.selection.start));
    switch (r.outcome) {
        case ExpandOutcome::NoWord:
            break;
        case ExpandOutcome::ReadOnly:
        case ExpandOutcome::NotFound:
            msg::beep();
            break;
        case ExpandOutcome::Found:
            apply(list.item(static_cast<std::size_t>(r.itemIndex)).body.text(), &page, false, true);
            break;
    }
    return r.outcome;
}

}  // namespace sj
