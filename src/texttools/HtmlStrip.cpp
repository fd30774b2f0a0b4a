#include "texttools/HtmlStrip.h"

#include <algorithm>
#include <array>

#include "text/AsciiCase.h"
#include "text/Utf8.h"
#include "texttools/HtmlEntities.h"

namespace sj {
namespace {

constexpr std::size_t kMaxEntityName = 255;

std::size_t countChars(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) n += !utf8::isContinuation(static_cast<unsigned char>(c));
    return n;
}

// The tag name after a "<": upper-cased up to a space, "!", "=", ">" or the end. A space
// straight after a lone "A" is kept ("A HREF"). Line breaks and tabs also end it, and so does
// a "/" after the first character, so "<br/>" and a tag split over lines read as meant.
std::string readTagName(std::string_view t, std::size_t pos) {
    std::string name;
    for (; pos < t.size(); ++pos) {
        const char c = t[pos];
        if (c == ' ' && name == "A") {
            name.push_back(' ');
            continue;
        }
        if (c == ' ' || c == '!' || c == '=' || c == '>' || c == '\t' || c == '\r' || c == '\n') break;
        if (c == '/' && !name.empty()) break;
        name.push_back(ascii::toUpper(c));
        if (name.size() > 64) break;  // no tag of interest is this long
    }
    return name;
}

class Stripper {
public:
    explicit Stripper(std::string_view in) : m_in(in) { m_out.reserve(in.size()); }

    std::string run() {
        const std::size_t n = m_in.size();
        std::size_t i = 0;
        while (i < n) {
            const char c = m_in[i];
            if (c == '<') {
                i = tag(i);
            } else if (m_verbatim) {
                i = verbatimChar(i);
            } else if (c == '\r' || c == '\n') {
                i = sourceBreak(i);
            } else if (m_lineStart && (c == ' ' || c == '\t')) {
                ++m_slack;
                ++i;
            } else {
                m_breaks = 0;
                m_lineStart = false;
                i = c == '&' ? entity(i) : textRun(i);
            }
        }
        return std::move(m_out);
    }

private:
    // Copies ordinary characters up to the next one that needs a decision.
    std::size_t textRun(std::size_t i) {
        const std::size_t end = m_in.find_first_of("<&\r\n", i + 1);
        const std::size_t stop = end == std::string_view::npos ? m_in.size() : end;
        m_out.append(m_in.substr(i, stop - i));
        return stop;
    }

    std::size_t entity(std::size_t amp) {
        std::size_t end = amp + 1;
        bool tooLong = false;
        while (end < m_in.size() && m_in[end] != ';' && m_in[end] != ' ' && m_in[end] != '\r' &&
               m_in[end] != '\n') {
            if (end - amp - 1 == kMaxEntityName) {
                tooLong = true;
                break;
            }
            ++end;
        }
        if (!tooLong) {
            if (const auto ch = decodeHtmlEntity(m_in.substr(amp + 1, end - amp - 1))) {
                const std::size_t stop = (end < m_in.size() && m_in[end] == ';') ? end + 1 : end;
                utf8::append(m_out, *ch);
                m_slack += static_cast<std::ptrdiff_t>(countChars(m_in.substr(amp, stop - amp))) - 1;
                return stop;
            }
        }
        m_out.push_back('&');
        return amp + 1;
    }

    std::size_t tag(std::size_t lt) {
        const std::string name = readTagName(m_in, lt + 1);
        const std::size_t gt = m_in.find('>', lt + 1);
        if (gt == std::string_view::npos) {
            // No ">" anywhere after it: a plain "<" in the text, not a tag that would swallow
            // the rest of the document.
            m_breaks = 0;
            m_lineStart = false;
            m_out.push_back('<');
            return lt + 1;
        }
        m_slack += static_cast<std::ptrdiff_t>(countChars(m_in.substr(lt, gt - lt)));
        closeTag(name);
        ++m_slack;  // the ">" itself
        return gt + 1;
    }

    void closeTag(const std::string& name) {
        for (const std::string_view word : {"PRE", "XMP", "PLAINTEXT"}) {
            const std::size_t at = name.find(word);
            if (at == std::string::npos) continue;
            if (at == 0) m_verbatim = true;
            if (at == 1) m_verbatim = false;
            break;
        }
        const int wanted = htmlTagBreaks(name);
        if (wanted > 0) {
            trimSpaces();
            // Historically the text was rewritten in place: a break is only written where the
            // consumed markup has left room for it.
            for (int k = m_breaks; k < wanted && m_slack >= 3; ++k) {
                m_out += "\r\n";
                m_slack -= 2;
                ++m_breaks;
            }
            m_lineStart = true;
        } else if (name == "/TD" || name == "/TH") {
            m_out.push_back('\t');
            --m_slack;
            m_lineStart = false;
        }
    }

    std::size_t sourceBreak(std::size_t i) {
        std::size_t next = i + 1;
        if (next < m_in.size() && (m_in[next] == '\r' || m_in[next] == '\n')) ++next;
        m_slack += next - i;
        m_lineStart = true;
        trimSpaces();
        if (m_breaks == 0 && !m_out.empty() && m_out.back() != '-' && m_out.back() != '\n') {
            m_out.push_back(' ');
            --m_slack;
        }
        return next;
    }

    // Inside PRE and its kind: everything but tags is kept, entities decoded. Breaks copied
    // here count as written, so the closing tag does not glue the next text onto the last line.
    std::size_t verbatimChar(std::size_t i) {
        const char c = m_in[i];
        if (c == '&') {
            m_breaks = 0;
            return entity(i);
        }
        if (c == '\r' || c == '\n') {
            if (c == '\n' || i + 1 >= m_in.size() || m_in[i + 1] != '\n') ++m_breaks;
            m_out.push_back(c);
            return i + 1;
        }
        m_breaks = 0;
        return textRun(i);
    }

    void trimSpaces() {
        while (!m_out.empty() && m_out.back() == ' ') {
            m_out.pop_back();
            ++m_slack;
        }
    }

    std::string_view m_in;
    std::string m_out;
    bool m_verbatim = false;
    bool m_lineStart = true;
    int m_breaks = 2;  // the start of the text counts as two breaks: none is written before text
    // Characters consumed from the input minus characters written: the room left for breaks.
    std::ptrdiff_t m_slack = 0;
};

bool isBlockTag(std::string_view n) {
    static constexpr std::array<std::string_view, 9> kBlocks = {
        "CENTER", "ADDRESS", "LISTING", "PRE", "DIV", "FORM", "COMMENT", "BLOCKQUOTE", "MULTICOL"};
    return std::find(kBlocks.begin(), kBlocks.end(), n) != kBlocks.end();
}

bool isHeading(std::string_view n) {
    return n.size() == 2 && n[0] == 'H' && n[1] >= '1' && n[1] <= '8';
}

}  // namespace

int htmlTagBreaks(std::string_view n) {
    if (n == "P" || n == "HR" || isHeading(n)) return 2;
    if (n == "BR" || n == "LI" || n == "TABLE" || isBlockTag(n)) return 1;
    if (!n.empty() && n[0] == '/') {
        const std::string_view closed = n.substr(1);
        if (isHeading(closed) || isBlockTag(closed)) return 1;
        for (const std::string_view list : {"UL", "OL", "DL", "DIR", "TR", "MENU"})
            if (closed == list) return 1;
    }
    return 0;
}

std::string stripHtmlTags(std::string_view html) {
    return Stripper(html).run();
}

std::optional<StripHtmlResult> stripHtmlInSelection(std::string_view text, std::size_t selStart,
                                                    std::size_t selLength, bool wordWrap) {
    if (text.empty()) return std::nullopt;
    selStart = utf8::floorBoundary(text, std::min(selStart, text.size()));
    std::size_t selEnd = utf8::floorBoundary(text, std::min(selStart + selLength, text.size()));
    if (selEnd == selStart) {
        selStart = 0;
        selEnd = text.size();
    }
    StripHtmlResult r;
    r.switchWordWrapOn = selStart == 0 && selEnd == text.size() && !wordWrap;
    r.change.start = r.change.selStart = selStart;
    r.change.length = selEnd - selStart;
    r.change.replacement = stripHtmlTags(text.substr(selStart, selEnd - selStart));
    r.change.selLength = r.change.replacement.size();
    return r;
}

}  // namespace sj
