#include "texttools/ReplaceAllPass.h"

#include <algorithm>

#include "text/Utf8.h"

namespace sj {

namespace {

constexpr std::size_t kReportEvery = 1 << 20;

char32_t charBefore(std::string_view text, std::size_t pos) {
    if (pos == 0) return 0;
    return utf8::decodeBefore(text, pos);
}

char32_t charAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    return utf8::decode(text, pos);
}

}  // namespace

ReplaceAllPass::ReplaceAllPass(const FindMatcher& matcher, std::string_view replacement, bool skipIdentical,
                               ReplaceProgress progress, std::size_t total)
    : m_matcher(matcher),
      m_replacement(replacement),
      m_skipIdentical(skipIdentical),
      m_progress(std::move(progress)),
      m_total(total) {}

bool ReplaceAllPass::report(std::size_t doneInDocument) {
    if (!m_progress || m_cancelled) return !m_cancelled;
    const std::size_t done = m_doneBefore + doneInDocument;
    if (done < m_lastReport + kReportEvery) return true;
    m_lastReport = done;
    if (!m_progress(done, m_total)) m_cancelled = true;
    return !m_cancelled;
}

bool ReplaceAllPass::skipDocument(std::size_t size) {
    m_doneBefore += size;
    if (m_progress && !m_cancelled) {
        m_lastReport = m_doneBefore;
        if (!m_progress(m_doneBefore, m_total)) m_cancelled = true;
    }
    return !m_cancelled;
}

std::vector<FindMatch> ReplaceAllPass::collectForward(std::string_view text, std::size_t from, std::size_t to,
                                                      char32_t afterTo, std::size_t progressBase) {
    std::vector<FindMatch> matches;
    const std::string_view repl = m_replacement;
    std::size_t p = from;
    char32_t before = WordEdges::kFromText;  // the character before p once replacements are made
    while (p <= to) {
        const auto m = m_matcher.findForward(text, p, to, WordEdges{before, afterTo});
        if (!m) break;
        if (m_skipIdentical && text.substr(m->pos, m->length) == repl) {
            ++m_identical;
            before = WordEdges::kFromText;
        } else {
            matches.push_back(*m);
            if (!repl.empty()) {
                std::size_t endOfRepl = repl.size();
                before = utf8::decodeBefore(repl, endOfRepl);
            } else if (m->pos != p || before == WordEdges::kFromText) {
                before = charBefore(text, m->pos);
            }
        }
        p = m->end();
        if (!report(progressBase + p - from)) return {};
    }
    return matches;
}

DocumentReplacement ReplaceAllPass::build(std::string_view text, const std::vector<FindMatch>& matches,
                                          bool caretAfter) const {
    DocumentReplacement r;
    r.count = matches.size();
    if (matches.empty()) return r;
    r.pos = matches.front().pos;
    r.length = matches.back().end() - r.pos;
    std::size_t size = r.length + matches.size() * m_replacement.size();
    for (const FindMatch& m : matches) size -= m.length;
    r.with.reserve(size);
    std::size_t prev = r.pos;
    for (const FindMatch& m : matches) {
        r.with.append(text.substr(prev, m.pos - prev));
        r.with += m_replacement;
        prev = m.end();
    }
    r.caret = caretAfter ? r.pos + r.with.size() : r.pos;
    return r;
}

std::optional<DocumentReplacement> ReplaceAllPass::forward(std::string_view text, std::size_t from,
                                                           bool wrapHead) {
    if (m_cancelled) return std::nullopt;
    from = std::min(from, text.size());
    std::vector<FindMatch> tail = collectForward(text, from, text.size(), WordEdges::kFromText, 0);
    if (m_cancelled) return std::nullopt;
    std::size_t tailCount = tail.size();
    if (wrapHead && from > 0) {
        // What the text reads at `from` once the tail is replaced, for a head
        // match that ends there.
        char32_t atFrom;
        if (!tail.empty() && tail.front().pos == from && !m_replacement.empty()) {
            atFrom = charAt(m_replacement, 0);
        } else {
            std::size_t q = from;
            for (std::size_t i = 0; i < tail.size() && tail[i].pos == q; ++i) q = tail[i].end();
            atFrom = charAt(text, q);
        }
        std::vector<FindMatch> head = collectForward(text, 0, from, atFrom, text.size() - from);
        if (m_cancelled) return std::nullopt;
        head.insert(head.end(), tail.begin(), tail.end());
        tail.swap(head);
    }
    DocumentReplacement r = build(text, tail, true);
    // Replacing downwards leaves the caret after the last match made, which is
    // in the head when the search wrapped round to it.
    if (r.count > tailCount) {
        const std::vector<FindMatch> headOnly(tail.begin(),
                                              tail.end() - static_cast<std::ptrdiff_t>(tailCount));
        const FindMatch& lastHead = headOnly.back();
        std::size_t shift = 0;
        for (const FindMatch& m : headOnly) shift += m_replacement.size() - m.length;
        r.caret = lastHead.end() + shift;
        r.endedInHead = true;
    }
    m_doneBefore += text.size();
    return r;
}

std::optional<DocumentReplacement> ReplaceAllPass::backward(std::string_view text, std::size_t to) {
    if (m_cancelled) return std::nullopt;
    to = std::min(to, text.size());
    std::vector<FindMatch> matches;
    const std::string_view repl = m_replacement;
    std::size_t q = to;
    char32_t after = WordEdges::kFromText;  // the character at q once replacements are made
    while (q > 0) {
        const auto m = m_matcher.findBackward(text, 0, q, WordEdges{WordEdges::kFromText, after});
        if (!m) break;
        if (m_skipIdentical && text.substr(m->pos, m->length) == repl) {
            ++m_identical;
            after = WordEdges::kFromText;
        } else {
            matches.push_back(*m);
            if (!repl.empty()) {
                after = charAt(repl, 0);
            } else if (m->end() != q || after == WordEdges::kFromText) {
                after = charAt(text, m->end());
            }
        }
        q = m->pos;
        if (!report(to - q)) return std::nullopt;
    }
    std::reverse(matches.begin(), matches.end());
    DocumentReplacement r = build(text, matches, false);
    m_doneBefore += text.size();
    return r;
}

}  // namespace sj
