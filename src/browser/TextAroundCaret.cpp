#include "browser/TextAroundCaret.h"

#include <algorithm>

namespace sj {
namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Mail addresses shorter than this are more likely a stray "@" than an address.
constexpr std::size_t kShortestSureMail = 12;

}  // namespace

TextSpan TextAroundCaret::stretchFor(std::size_t documentLength, std::size_t selStart, std::size_t selEnd) {
    selEnd = std::min(std::max(selStart, selEnd), documentLength);
    selStart = std::min(selStart, selEnd);
    return {selStart > kReach ? selStart - kReach : 0, std::min(documentLength, selEnd + kReach)};
}

TextAroundCaret::TextAroundCaret(std::string_view text, std::size_t origin, std::size_t selStart,
                                 std::size_t selEnd)
    : m_text(text), m_origin(origin) {
    auto clampIn = [&](std::size_t pos) { return std::min(pos < origin ? 0 : pos - origin, text.size()); };
    m_selStart = clampIn(selStart);
    m_selEnd = std::max(m_selStart, clampIn(selEnd));
}

std::size_t TextAroundCaret::lineStart(std::size_t pos) const {
    while (pos > 0 && !isLineBreak(m_text[pos - 1])) --pos;
    return pos;
}

std::size_t TextAroundCaret::lineEnd(std::size_t pos) const {
    while (pos < m_text.size() && !isLineBreak(m_text[pos])) ++pos;
    return pos;
}

TextSpan TextAroundCaret::linkSpan() const {
    const std::size_t first = lineStart(m_selStart);
    const std::size_t last = lineEnd(m_selStart);
    std::size_t start = m_selStart;
    // The nearest delimiter at or before the first selected character.
    if (start < last && address::isLinkDelimiter(m_text[start])) {
        ++start;
    } else {
        while (start > first && !address::isLinkDelimiter(m_text[start - 1])) --start;
    }
    std::size_t end = std::min(std::max(m_selEnd, start), last);
    // The first delimiter at or after the last selected character.
    if (end > start && address::isLinkDelimiter(m_text[end - 1])) {
        --end;
    } else {
        while (end < last && !address::isLinkDelimiter(m_text[end])) ++end;
    }
    end = std::max(end, start);
    return {m_origin + start, m_origin + end};
}

TextSpan TextAroundCaret::fileNameSpan() const {
    auto isName = [&](std::size_t pos) { return !address::isFileNameDelimiter(m_text[pos]); };
    std::size_t start = m_selStart;
    std::size_t end = m_selEnd;
    const bool caretOnly = start == end;
    if (start < m_text.size() && isName(start)) {
        while (start > 0 && isName(start - 1)) --start;
    } else if (caretOnly && start > 0 && isName(start - 1)) {
        // A caret just behind a name (the user has just typed it) takes that name.
        while (start > 0 && isName(start - 1)) --start;
    }
    if (end > 0 && isName(end - 1)) {
        while (end < m_text.size() && isName(end)) ++end;
    } else if (caretOnly && end < m_text.size() && isName(end)) {
        while (end < m_text.size() && isName(end)) ++end;
    }
    return {m_origin + start, m_origin + std::max(start, end)};
}

std::string_view TextAroundCaret::textOf(TextSpan span) const {
    const std::size_t from = std::min(span.start - std::min(span.start, m_origin), m_text.size());
    const std::size_t to = std::min(span.end - std::min(span.end, m_origin), m_text.size());
    return m_text.substr(from, to > from ? to - from : 0);
}

address::FormedAddress TextAroundCaret::linkAddress() const {
    const std::string_view link = textOf(linkSpan());
    if (link.find('@') != std::string_view::npos) {
        address::FormedAddress mail;
        mail.address = address::mailFromText(link);
        mail.ask = mail.address.size() < kShortestSureMail;
        return mail;
    }
    return address::fromText(link);
}

}  // namespace sj
