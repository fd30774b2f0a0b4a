#pragma once
// What a clip expansion needs to know about the current document. The
// expansion never edits it: the edit comes back as data (ClipExpander).
#include <optional>
#include <string>

namespace sj {

class ExpansionDocument {
public:
    virtual ~ExpansionDocument() = default;
    // Selected text, empty when nothing is selected.
    virtual std::string selectedText() const = 0;
    virtual bool isReadOnly() const = 0;
    // Full name of the document's file, empty for a document never saved.
    virtual std::string fileName() const = 0;
    virtual bool isModified() const = 0;
    // Writes the current text to a new temporary file ("qva~%d." pattern,
    // created exclusively) and returns its name; nullopt when that failed.
    virtual std::optional<std::string> makeTemporaryCopy() = 0;
};

}  // namespace sj
