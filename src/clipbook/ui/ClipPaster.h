#pragma once
// Pastes a clip into a document page, or launches a command clip: expansion
// through the Qt-free expander, then one replacement on the page.
#include <string>

#include "clipbook/ClipLibrary.h"
#include "clipbook/PromptHost.h"

namespace sj {

enum class ExpandOutcome;

class Launcher;
class DocumentPage;

class ClipPaster {
public:
    ClipPaster(PromptHost& prompts, Launcher& launcher) : m_prompts(prompts), m_launcher(launcher) {}

    // interactive: started from the Clipbook itself (command clips launch).
    // page may be null. True when something was pasted or launched.
    bool paste(const std::string& body, DocumentPage* page, bool interactive);

    // Expand Word on the page with the library's titles.
    ExpandOutcome expandWord(DocumentPage& page, const ClipLibrary& list);

private:
    bool apply(const std::string& body, DocumentPage* page, bool interactive, bool replaceSelectionOnCancel);

    PromptHost& m_prompts;
    Launcher& m_launcher;
};

}  // namespace sj
