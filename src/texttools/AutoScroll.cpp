#include "texttools/AutoScroll.h"

#include "text/Utf8.h"

namespace sj {

std::uint16_t AutoScroll::parseSpeed(std::string_view text) {
    if (text.empty()) return kDefaultSpeed;
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return kDefaultSpeed;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value > 0xFFFF) return kDefaultSpeed;
    }
    return static_cast<std::uint16_t>(value);
}

std::uint32_t AutoScroll::intervalMs(std::string_view lineText, std::uint16_t speed) {
    if (speed == 0) return 0;
    while (!lineText.empty() && (lineText.back() == '\n' || lineText.back() == '\r'))
        lineText.remove_suffix(1);
    const auto chars = static_cast<std::uint64_t>(utf8::countChars(lineText));
    const std::uint64_t ms = chars * (1000u / speed) + 1;
    return ms > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(ms);
}

AutoScroll::Tick AutoScroll::tick() {
    Tick t;
    if (!m_playing) return t;
    if (m_lineCount >= m_pageLines + m_currentLine) {
        t.scrollDown = true;
    } else if (m_currentLine >= m_lineCount) {
        t.caretToStart = true;
        m_currentLine = 0;
        m_playing = false;
    }
    ++m_currentLine;
    return t;
}

void AutoScroll::play(std::string_view speedText) {
    m_speed = parseSpeed(speedText);
    m_playing = true;
}

std::size_t AutoScroll::rewind() {
    m_playing = false;
    const std::size_t n = std::min(m_pageLines, m_currentLine > 0 ? m_currentLine - 1 : 0);
    m_currentLine -= n;
    return n;
}

std::size_t AutoScroll::forward() {
    m_playing = false;
    if (m_pageLines + m_currentLine > m_lineCount) return 0;
    m_currentLine += m_pageLines;
    return m_pageLines;
}

}  // namespace sj
