#pragma once
// One prompt field of a clip: the text between "^?[" and "]" read as a
// question (label, default or list of entries) and asked through a PromptHost.
#include <optional>
#include <string>
#include <vector>

#include "clipbook/ExpansionText.h"
#include "clipbook/PromptHost.h"

namespace sj {

struct PromptEntry {
    std::string shown;
    std::optional<std::string> value;  // inserted instead of shown when picked
};

struct PromptQuestion {
    std::string label;
    bool isList = false;
    bool mustPick = false;
    std::string defaultText;           // one-line question
    std::vector<PromptEntry> entries;  // list question
    int selected = -1;                 // entry selected at the start
};

class PromptField {
public:
    static constexpr std::size_t kMaxLabelChars = 80;
    static constexpr const char* kBareLabel = "Complete Clipbook item";

    // Reads a field content. Separators count only where they are clip code.
    static PromptQuestion parse(const ExpansionText& content);
    // Name under which the answer is remembered: the content up to its first "=".
    static std::string name(const ExpansionText& content);
    // Asks the question; nullopt when the user cancelled (or gave an answer a
    // must-pick list refuses).
    static std::optional<std::string> ask(const PromptQuestion& question, PromptHost& host);
};

}  // namespace sj
