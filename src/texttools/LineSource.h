#pragma once
// The lines of a text as the line commands see them. Positions are byte offsets into the
// UTF-8 buffer; a line's text never includes its break. With word wrap on, a line is a
// screen line and neighbouring lines of one paragraph meet at a soft break (no characters
// between them).
#include <cstddef>
#include <string_view>

namespace sj {

struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t end() const { return start + length; }
    bool operator==(const Selection&) const = default;
};

class LineSource {
public:
    virtual ~LineSource() = default;

    virtual std::string_view text() const = 0;
    // A break at the very end of the text starts no further line; "" has no lines.
    virtual std::size_t lineCount() const = 0;
    // Valid for 0..lineCount(); line lineCount() is the empty place after a final
    // break (or the start of an empty text).
    virtual std::size_t lineStart(std::size_t line) const = 0;
    virtual std::size_t lineEnd(std::size_t line) const = 0;
    // The line holding pos; the end of a text that ends with a break is on line lineCount().
    virtual std::size_t lineAt(std::size_t pos) const = 0;
};

}  // namespace sj
