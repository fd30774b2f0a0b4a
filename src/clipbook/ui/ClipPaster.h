#pragma once
// Pastes a clip into a document page, or launches a command clip: expansion
// through the Qt-free expander, then one replacement on the page.
#include <string>

#include "clipbook/PromptHost.h"
#include "clipbook/TClipbookList.h"

namespace sj {

enum class ExpandOutcome;

class Launcher;
class TFilePage;

class ClipPaster {
public:
    ClipPaster(PromptHost& prompts, Launcher& launcher) : m_prompts(prompts), m_launcher(launcher) {}

    // interactive: started from the Clipbook itself (command clips launch).
    // page may be null. True when something was pasted or launched.
    bool paste(const std::string& body, TFilePage* page, bool interactive);

    // Expand Word on the page with the library's titles.
    ExpandOutcome expandWord(TFilePage& page, const TClipbookList& list);

private:
    bool apply(const std::string& body, TFilePage* page, bool interactive, bool replaceSelectionOnCancel);

    PromptHost& m_prompts;
    Launcher& m_launcher;
};

}  // namespace sj
