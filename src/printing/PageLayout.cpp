#include "printing/PageLayout.h"

#include <algorithm>

#include "printing/LineSplit.h"

namespace sj {
namespace {

std::string_view withoutLeadingBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

}  // namespace

PageLayout::PageLayout(std::string_view text, const TabbedText& measure, int printableWidth, int linesPerPage,
                       bool wordWrap)
    : m_text(text),
      m_measure(measure),
      m_width(printableWidth),
      m_linesPerPage(std::max(1, linesPerPage)),
      m_wordWrap(wordWrap) {}

bool PageLayout::readLine() {
    if (m_pos >= m_text.size()) return false;
    const std::size_t end = m_text.find_first_of("\r\n", m_pos);
    if (end == std::string_view::npos) {
        m_buffer.assign(m_text.substr(m_pos));
        m_pos = m_text.size();
    } else {
        m_buffer.assign(m_text.substr(m_pos, end - m_pos));
        m_pos = end + 1;
        if (m_text[end] == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
    }
    m_pending = true;
    return true;
}

void PageLayout::outputLine(LaidOutPage& page, std::string_view line) {
    page.lines.emplace_back(line);
    if (onLine && !onLine(m_pos)) m_stopped = true;
}

bool PageLayout::next(LaidOutPage& page) {
    page.lines.clear();
    if (m_stopped || (!m_pending && m_pos >= m_text.size())) return false;
    page.number = ++m_pageNumber;
    bool forced = false;
    while (!forced && static_cast<int>(page.lines.size()) < m_linesPerPage) {
        if (!m_pending && !readLine()) break;
        std::string next;
        if (m_wordWrap) {
            const LineSplit split = LineSplit::split(m_buffer, m_width, m_measure);
            const std::size_t ff = split.line.find('\f');
            if (ff != std::string_view::npos) {
                // The text after the form feed goes to the next page, with
                // the blanks the split took off put back before trimming.
                std::string after(split.line.substr(ff + 1));
                after.append(split.trimmedBlanks, ' ');
                next.assign(withoutLeadingBlanks(after));
                next.append(split.rest);
                if (ff > 0) outputLine(page, split.line.substr(0, ff));
                forced = true;
            } else {
                outputLine(page, split.line);
                next.assign(withoutLeadingBlanks(split.rest));
                m_pending = !next.empty();
            }
        } else {
            const std::size_t ff = m_buffer.find('\f');
            if (ff != std::string::npos) {
                next = m_buffer.substr(ff + 1);
                if (ff > 0) outputLine(page, std::string_view(m_buffer).substr(0, ff));
                forced = true;
            } else {
                outputLine(page, m_buffer);
                m_pending = false;
            }
        }
        if (forced) m_pending = !next.empty();
        m_buffer = std::move(next);
        if (m_stopped) return false;
    }
    return true;
}

}  // namespace sj
