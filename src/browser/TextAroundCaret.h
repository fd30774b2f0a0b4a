#pragma once
// A stretch of a document around its selection, and the link or file name
// written there. Only this stretch is ever looked at, so a document of one
// enormous line costs no more than a short one.
#include <cstddef>
#include <string_view>

#include "browser/AddressRules.h"

namespace sj {

struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t length() const { return end - start; }
    bool operator==(const TextSpan&) const = default;
};

class TextAroundCaret {
public:
    // Bytes taken on each side of the selection: longer than any address or
    // path a user writes, short enough to cost nothing.
    static constexpr std::size_t kReach = 8192;

    // The stretch [from, to) a document of documentLength bytes hands over for
    // a selection [selStart, selEnd).
    static TextSpan stretchFor(std::size_t documentLength, std::size_t selStart, std::size_t selEnd);

    // text: the stretch's bytes; origin: where it starts in the document;
    // selStart/selEnd: the selection, in document positions.
    TextAroundCaret(std::string_view text, std::size_t origin, std::size_t selStart, std::size_t selEnd);

    // The selection widened to the link characters, within the line of its
    // start (document positions).
    TextSpan linkSpan() const;
    // The selection widened over a file name (document positions); empty when
    // the caret touches no name.
    TextSpan fileNameSpan() const;

    std::string_view textOf(TextSpan span) const;

    // What a Ctrl+double-click opens: a mail address when the link holds "@"
    // (asked when short), otherwise the formed address.
    address::FormedAddress linkAddress() const;

private:
    std::size_t lineStart(std::size_t pos) const;
    std::size_t lineEnd(std::size_t pos) const;

    std::string_view m_text;
    std::size_t m_origin;
    std::size_t m_selStart;  // relative to m_text
    std::size_t m_selEnd;
};

}  // namespace sj
