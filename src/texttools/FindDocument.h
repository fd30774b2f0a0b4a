#pragma once
// The view the find and replace engine has of one open document. The GUI wraps
// a document page; tests use plain strings. Positions are byte offsets into the
// UTF-8 text.
#include <algorithm>
#include <cstddef>
#include <string_view>

namespace sj {

class FindDocument {
public:
    virtual ~FindDocument() = default;

    // The whole text; valid until the document is next changed.
    virtual std::string_view text() const = 0;
    virtual std::size_t selectionStart() const = 0;
    virtual std::size_t selectionLength() const = 0;
    virtual void select(std::size_t pos, std::size_t length) = 0;
    virtual bool readOnly() const = 0;
    // Replaces a range of the text as one undoable step. The selection
    // afterwards is set by the caller.
    virtual void replaceRange(std::size_t pos, std::size_t length, std::string_view with) = 0;
};

}  // namespace sj

namespace sj {

// The selected text, clamped to the text so that a stale selection never reads
// past its end.
inline std::string_view selectedText(const FindDocument& doc) {
    const std::string_view text = doc.text();
    const std::size_t start = std::min(doc.selectionStart(), text.size());
    return text.substr(start, std::min(doc.selectionLength(), text.size() - start));
}

}  // namespace sj
