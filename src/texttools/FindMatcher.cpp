#include "texttools/FindMatcher.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <mutex>
#include <unordered_map>

#include "text/Utf8.h"

namespace sj {

namespace {

unsigned char asciiLower(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b;
}

// Byte maps the scanners are instantiated with. Whole objects rather than
// members of one, as Clang 14 takes no subobject as a template argument.
constexpr std::array<unsigned char, 256> lowerMap() {
    std::array<unsigned char, 256> map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>((b >= 'A' && b <= 'Z') ? b + 32 : b);
    return map;
}
constexpr std::array<unsigned char, 256> identityMap() {
    std::array<unsigned char, 256> map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
    return map;
}
constexpr std::array<unsigned char, 256> kLower = lowerMap();
constexpr std::array<unsigned char, 256> kIdentity = identityMap();

// Every character whose simple case folding is a given character, other than
// itself. Built once, on the first case-insensitive search that needs it.
const std::unordered_map<char32_t, std::vector<char32_t>>& foldSources() {
    static std::unordered_map<char32_t, std::vector<char32_t>> map;
    static std::once_flag once;
    std::call_once(once, [] {
        // No character above the first two planes has a case.
        for (UChar32 c = 0; c <= 0x1FFFF; ++c) {
            if (c == 0xD800) c = 0xE000;
            const UChar32 f = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            if (f != c) map[static_cast<char32_t>(f)].push_back(static_cast<char32_t>(c));
        }
    });
    return map;
}

std::vector<char32_t> caseVariants(char32_t folded) {
    std::vector<char32_t> out{folded};
    const auto& sources = foldSources();
    if (const auto it = sources.find(folded); it != sources.end())
        out.insert(out.end(), it->second.begin(), it->second.end());
    return out;
}

// Position of the first occurrence of seq at or after from, or text.size().
std::size_t findSeq(std::string_view text, std::size_t from, std::string_view seq) {
    const char* p = text.data() + from;
    const char* end = text.data() + text.size();
    while (end - p >= static_cast<std::ptrdiff_t>(seq.size())) {
        const void* hit =
            std::memchr(p, static_cast<unsigned char>(seq[0]), static_cast<std::size_t>(end - p));
        if (!hit) break;
        p = static_cast<const char*>(hit);
        if (static_cast<std::size_t>(end - p) < seq.size()) break;
        if (std::memcmp(p, seq.data(), seq.size()) == 0) return static_cast<std::size_t>(p - text.data());
        ++p;
    }
    return text.size();
}

// Candidate windows are those whose first and last bytes match; 16 windows are
// tested at once. In AsciiFold mode a letter is compared with the 0x20 bit set,
// which folds ASCII case (other bytes that collide are weeded out by the full
// comparison).
struct EdgeBytes {
    unsigned char first, last, firstMask, lastMask;
};

EdgeBytes edgeBytes(std::string_view needle, bool fold) {
    const auto letter = [](unsigned char c) { return c >= 'a' && c <= 'z'; };
    const auto f = static_cast<unsigned char>(needle.front());
    const auto l = static_cast<unsigned char>(needle.back());
    return {f, l, static_cast<unsigned char>(fold && letter(f) ? 0x20 : 0),
            static_cast<unsigned char>(fold && letter(l) ? 0x20 : 0)};
}

template <const std::array<unsigned char, 256>& Map>
bool windowEquals(const unsigned char* t, std::string_view needle) {
    const auto* n = reinterpret_cast<const unsigned char*>(needle.data());
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (Map[t[i]] != n[i]) return false;
    }
    return true;
}

template <const std::array<unsigned char, 256>& Map>
std::optional<std::size_t> scanForward(std::string_view text, std::size_t from, std::size_t to,
                                       std::string_view needle, EdgeBytes e) {
    const std::size_t m = needle.size();
    if (to < from || to - from < m) return std::nullopt;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t stop = to - m;  // last window start
    std::size_t p = from;
#ifdef __SSE2__
    const __m128i vf = _mm_set1_epi8(static_cast<char>(e.first));
    const __m128i vl = _mm_set1_epi8(static_cast<char>(e.last));
    const __m128i mf = _mm_set1_epi8(static_cast<char>(e.firstMask));
    const __m128i ml = _mm_set1_epi8(static_cast<char>(e.lastMask));
    while (p + 16 <= stop + 1) {
        const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + p)), mf);
        const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + p + m - 1)), ml);
        auto bits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, vf), _mm_cmpeq_epi8(b, vl))));
        while (bits) {
            const std::size_t q = p + static_cast<std::size_t>(__builtin_ctz(bits));
            if (windowEquals<Map>(t + q, needle)) return q;
            bits &= bits - 1;
        }
        p += 16;
    }
#endif
    for (; p <= stop; ++p) {
        if (windowEquals<Map>(t + p, needle)) return p;
    }
    return std::nullopt;
}

template <const std::array<unsigned char, 256>& Map>
std::optional<std::size_t> scanBackward(std::string_view text, std::size_t from, std::size_t to,
                                        std::size_t maxStart, std::string_view needle, EdgeBytes e) {
    const std::size_t m = needle.size();
    if (to < from || to - from < m) return std::nullopt;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    // Window starts still to test: [from, end).
    std::size_t end = std::min(to - m, maxStart) + 1;
    if (end <= from) return std::nullopt;
#ifdef __SSE2__
    const __m128i vf = _mm_set1_epi8(static_cast<char>(e.first));
    const __m128i vl = _mm_set1_epi8(static_cast<char>(e.last));
    const __m128i mf = _mm_set1_epi8(static_cast<char>(e.firstMask));
    const __m128i ml = _mm_set1_epi8(static_cast<char>(e.lastMask));
    while (end >= from + 16) {
        const std::size_t p = end - 16;
        const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + p)), mf);
        const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + p + m - 1)), ml);
        auto bits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, vf), _mm_cmpeq_epi8(b, vl))));
        while (bits) {
            const int hi = 31 - __builtin_clz(bits);
            const std::size_t q = p + static_cast<std::size_t>(hi);
            if (windowEquals<Map>(t + q, needle)) return q;
            bits &= ~(1u << hi);
        }
        end = p;
    }
#endif
    while (end > from) {
        --end;
        if (windowEquals<Map>(t + end, needle)) return end;
    }
    return std::nullopt;
}

}  // namespace

char32_t FindMatcher::fold(char32_t c) {
    if (c < 0x80) return asciiLower(static_cast<unsigned char>(c));
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

bool FindMatcher::isWordChar(char32_t c) {
    if (c < 0x80) return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
    const auto cp = static_cast<UChar32>(c);
    return u_isalnum(cp) || (U_GET_GC_MASK(cp) & U_GC_M_MASK) != 0;
}

bool FindMatcher::equalIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (fold(utf8::decode(a, i)) != fold(utf8::decode(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

FindMatcher::FindMatcher(std::string_view needle, SearchOptions options)
    : m_needle(needle), m_wholeWord(options.wholeWord()) {
    if (m_needle.empty()) return;
    const bool ascii = std::all_of(m_needle.begin(), m_needle.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (options.matchCase()) {
        m_mode = Mode::Exact;
    } else {
        m_mode = ascii ? Mode::AsciiFold : Mode::UnicodeFold;
        for (std::size_t i = 0; i < m_needle.size();) m_folded.push_back(fold(utf8::decode(m_needle, i)));
        if (ascii) {
            for (char& c : m_needle) c = static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
            for (char32_t f : m_folded) {
                for (char32_t v : caseVariants(f)) {
                    if (v >= 0x80) m_asciiAliens.push_back(utf8::encode(v));
                }
            }
        }
        for (char32_t v : caseVariants(m_folded.front())) {
            const auto lead = static_cast<unsigned char>(utf8::encode(v)[0]);
            if (!m_firstByte[lead]) m_leadBytes.push_back(lead);
            m_firstByte[lead] = true;
        }
    }
}

FindMatcher::Mode FindMatcher::modeFor(std::string_view text, std::size_t from, std::size_t to) const {
    if (m_mode != Mode::AsciiFold || m_asciiAliens.empty()) return m_mode;
    AlienCache& c = m_alienCache;
    const bool valid = c.data == text.data() && c.size == text.size() && from >= c.scannedFrom &&
                       (c.next >= from || c.next == text.size());
    if (!valid) {
        c = AlienCache{text.data(), text.size(), from, text.size()};
        for (const std::string& alien : m_asciiAliens) c.next = std::min(c.next, findSeq(text, from, alien));
    }
    // An alien spelling ends no earlier than it starts + 2, so one that starts
    // before to lies (at least partly) in the range.
    return c.next < to ? Mode::UnicodeFold : Mode::AsciiFold;
}

std::optional<std::size_t> FindMatcher::foldedMatchAt(std::string_view text, std::size_t pos,
                                                      std::size_t to) const {
    std::size_t q = pos;
    for (char32_t want : m_folded) {
        if (q >= to) return std::nullopt;
        if (fold(utf8::decode(text, q)) != want) return std::nullopt;
    }
    if (q > to) return std::nullopt;
    return q;
}

std::size_t FindMatcher::nextLeadByte(std::string_view text, std::size_t from, std::size_t to) const {
    // One or two lead bytes (the usual case, even for accented letters): let
    // memchr skip the text between candidates.
    if (m_leadBytes.size() <= 2) {
        std::size_t best = to;
        for (const unsigned char b : m_leadBytes) {
            const void* hit = std::memchr(text.data() + from, b, best - from);
            if (hit) best = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        }
        return best;
    }
    while (from < to && !m_firstByte[static_cast<unsigned char>(text[from])]) ++from;
    return from;
}

std::optional<FindMatch> FindMatcher::rawForward(Mode mode, std::string_view text, std::size_t from,
                                                 std::size_t to) const {
    const std::size_t n = m_needle.size();
    switch (mode) {
        case Mode::Exact: {
            const auto p = scanForward<kIdentity>(text, from, to, m_needle, edgeBytes(m_needle, false));
            if (!p) return std::nullopt;
            return FindMatch{*p, n};
        }
        case Mode::AsciiFold: {
            const auto p = scanForward<kLower>(text, from, to, m_needle, edgeBytes(m_needle, true));
            if (!p) return std::nullopt;
            return FindMatch{*p, n};
        }
        case Mode::UnicodeFold:
            for (std::size_t p = from; p < to; ++p) {
                p = nextLeadByte(text, p, to);
                if (p >= to) break;
                if (const auto end = foldedMatchAt(text, p, to)) return FindMatch{p, *end - p};
            }
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<FindMatch> FindMatcher::rawBackward(Mode mode, std::string_view text, std::size_t from,
                                                  std::size_t to, std::size_t maxStart) const {
    const std::size_t n = m_needle.size();
    switch (mode) {
        case Mode::Exact: {
            const auto p =
                scanBackward<kIdentity>(text, from, to, maxStart, m_needle, edgeBytes(m_needle, false));
            if (!p) return std::nullopt;
            return FindMatch{*p, n};
        }
        case Mode::AsciiFold: {
            const auto p =
                scanBackward<kLower>(text, from, to, maxStart, m_needle, edgeBytes(m_needle, true));
            if (!p) return std::nullopt;
            return FindMatch{*p, n};
        }
        case Mode::UnicodeFold:
            for (std::size_t p = std::min(to, maxStart + 1); p-- > from;) {
                if (!m_firstByte[static_cast<unsigned char>(text[p])]) continue;
                if (const auto end = foldedMatchAt(text, p, to)) return FindMatch{p, *end - p};
            }
            return std::nullopt;
    }
    return std::nullopt;
}

bool FindMatcher::wordBoundsOk(std::string_view text, const FindMatch& m, std::size_t from, std::size_t to,
                               WordEdges edges) const {
    char32_t before = 0;
    if (m.pos == from && edges.before != WordEdges::kFromText) {
        before = edges.before;
    } else if (m.pos > 0) {
        std::size_t p = m.pos;
        before = utf8::decodeBefore(text, p);
    }
    char32_t after = 0;
    if (m.end() == to && edges.after != WordEdges::kFromText) {
        after = edges.after;
    } else if (m.end() < text.size()) {
        std::size_t p = m.end();
        after = utf8::decode(text, p);
    }
    return !isWordChar(before) && !isWordChar(after);
}

std::optional<FindMatch> FindMatcher::findForward(std::string_view text, std::size_t from, std::size_t to,
                                                  WordEdges edges) const {
    if (m_needle.empty()) return std::nullopt;
    to = std::min(to, text.size());
    const Mode mode = modeFor(text, from, to);
    std::size_t p = from;
    while (p < to) {
        const auto m = rawForward(mode, text, p, to);
        if (!m) return std::nullopt;
        if (!m_wholeWord || wordBoundsOk(text, *m, from, to, edges)) return m;
        p = m->pos + utf8::seqLength(static_cast<unsigned char>(text[m->pos]));
    }
    return std::nullopt;
}

std::optional<FindMatch> FindMatcher::findBackward(std::string_view text, std::size_t from, std::size_t to,
                                                   WordEdges edges) const {
    if (m_needle.empty()) return std::nullopt;
    to = std::min(to, text.size());
    if (from >= to) return std::nullopt;
    const Mode mode = modeFor(text, from, to);
    std::size_t maxStart = to - 1;
    for (;;) {
        const auto m = rawBackward(mode, text, from, to, maxStart);
        if (!m) return std::nullopt;
        if (!m_wholeWord || wordBoundsOk(text, *m, from, to, edges)) return m;
        if (m->pos == from) return std::nullopt;
        std::size_t below = m->pos;
        utf8::decodeBefore(text, below);
        if (below < from) return std::nullopt;
        maxStart = below;
    }
}

bool FindMatcher::matchesWhole(std::string_view candidate) const {
    if (m_needle.empty()) return false;
    if (m_mode == Mode::Exact) return candidate == m_needle;
    return equalIgnoringCase(candidate, m_needle);
}

}  // namespace sj
