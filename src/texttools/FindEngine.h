#pragma once
// The main window's search: the Find, Search Again and Search Again Reverse
// commands, the search engine shared with the replace dialog, and the search
// state (last dialog, start document and position). Widgets call these and
// show what comes back.
#include <cstddef>
#include <string>

#include "texttools/FindDocumentSet.h"
#include "texttools/FindMatcher.h"
#include "texttools/FindSettings.h"
#include "texttools/ReplaceSettings.h"

namespace sj {

enum class LastDialog { Find, Replace };

// Result of one run of the search engine. message, when not empty, is shown in
// an information box (OK button, no beep).
struct FindOutcome {
    bool found = false;
    std::string message;
};

// What the Find or Replace command asks of its dialog.
struct DialogCommand {
    // The dialog is open and already shows the selected text: only give its
    // Find Next button the focus.
    bool focusFindNextOnly = false;
    // The search token was taken from the selection.
    bool tokenFromSelection = false;
};

class FindEngine {
public:
    FindSettings& findSettings() { return m_find; }
    const FindSettings& findSettings() const { return m_find; }
    ReplaceSettings& replaceSettings() { return m_replace; }
    const ReplaceSettings& replaceSettings() const { return m_replace; }

    LastDialog lastDialog() const { return m_last; }
    void setLastDialog(LastDialog last) { m_last = last; }
    std::size_t startDocument() const { return m_startDocument; }
    std::size_t startPosition() const { return m_startPosition; }
    std::size_t startLength() const { return m_startLength; }

    // Notes the current document and its selection start as where a search began.
    void markStart(FindDocumentSet& docs);

    // Ctrl+F. The caller closes the replace dialog, then opens the find dialog
    // unless only the focus is to move.
    DialogCommand startFind(FindDocumentSet& docs, bool findDialogOpen, bool overwriteMode);
    // Ctrl+R. Same for the replace dialog; sets replace-enabled when the token
    // comes from the selection.
    DialogCommand startReplace(FindDocumentSet& docs, bool replaceDialogOpen, bool overwriteMode);

    // Find Next of the find dialog.
    FindOutcome findNext(FindDocumentSet& docs);
    // F3.
    FindOutcome findAgain(FindDocumentSet& docs);
    // Shift+F3: turns the last dialog's direction round for good, then F3.
    FindOutcome findAgainReverse(FindDocumentSet& docs);

    // The search engine with the last dialog's text and options, from the
    // current document's selection. showNotFound false keeps quiet on failure.
    FindOutcome search(FindDocumentSet& docs, bool showNotFound = true);

    // Enabling of the Search menu and the matching toolbar buttons.
    static bool findEnabled(FindDocumentSet& docs);
    static bool replaceEnabled(FindDocumentSet& docs);
    bool searchAgainEnabled(FindDocumentSet& docs) const;
    bool searchAgainReverseEnabled(FindDocumentSet& docs) const;

    // Settings of the dialog used last.
    const FindSettings& lastSettings() const;
    FindSettings& lastSettings();

    static std::string notFoundMessage(const std::string& searchText) {
        return "\"" + searchText + "\" not found!";
    }

private:
    DialogCommand openCommand(FindDocumentSet& docs, FindSettings& settings, bool dialogOpen,
                              bool overwriteMode);

    FindSettings m_find;
    ReplaceSettings m_replace;
    LastDialog m_last = LastDialog::Find;
    std::size_t m_startDocument = 0;
    std::size_t m_startPosition = 0;
    std::size_t m_startLength = 0;
};

}  // namespace sj
