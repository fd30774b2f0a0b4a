#pragma once
// Expands a clip body for pasting: comment lines, date fields, file-name
// codes, prompt fields, then either the edit to apply to the document (with
// the selection or the caret at the "^&" placeholder) or, for an interactive
// paste of a command clip, the command steps to launch. The result is data;
// the GUI applies the edit or hands the steps to CommandClipRunner.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "clipbook/CommandClip.h"
#include "clipbook/DateFieldSource.h"
#include "clipbook/ExpansionDocument.h"
#include "clipbook/ExpansionText.h"
#include "clipbook/PromptHost.h"

namespace sj {

struct PasteEdit {
    std::string text;  // replaces the selection, or is inserted at the caret
    // true: the inserted text ends up selected; false: the caret goes to
    // caretOffset bytes into the inserted text, nothing selected.
    bool selectInserted = false;
    std::size_t caretOffset = 0;
};

struct ExpansionResult {
    enum class Outcome {
        Nothing,    // no document, or a read-only one: silently nothing
        Cancelled,  // a prompt was cancelled: nothing to insert or launch
        Failed,     // see error; nothing to insert or launch
        Paste,      // apply edit
        Launch,     // run commands
    };
    Outcome outcome = Outcome::Nothing;
    PasteEdit edit;
    std::vector<CommandStep> commands;
    std::string error;
};

class ClipExpander {
public:
    static constexpr const char* kTemporaryCopyError =
        "Error: could not write a temporary copy of the document!";

    ClipExpander(PromptHost& prompts, DateFieldSource& dates) : m_prompts(prompts), m_dates(dates) {}

    // interactive: the paste was started from the Clipbook itself; only then
    // are command clips launched. document may be null (no current document).
    ExpansionResult expand(std::string_view body, ExpansionDocument* document, bool interactive);

    // The stages, in the order expand applies them.
    static std::string removeCommentLines(std::string_view body);
    static void fillDateFields(ExpansionText& text, DateFieldSource& dates);
    // False when a temporary copy could not be written.
    static bool replaceFileNameCodes(ExpansionText& text, ExpansionDocument& document);
    // False when the user cancelled a prompt.
    static bool askPromptFields(ExpansionText& text, const std::string& selection, PromptHost& prompts);
    static PasteEdit placeSelection(const ExpansionText& text, const std::string& selection);

    // The name with its extension cut off: at the last "." of the file name
    // itself, unless that dot begins the name.
    static std::string withoutExtension(const std::string& path);

private:
    PromptHost& m_prompts;
    DateFieldSource& m_dates;
};

}  // namespace sj
