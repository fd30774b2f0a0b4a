#include "document/LineBreakNormalizer.h"

#include <cstdint>
#include <cstring>

namespace sj {
namespace {

constexpr char kMiddleDot[] = "\xC2\xB7";

// A byte needs a look when it is a control up to CR (breaks, NUL, backspace)
// or >= 0x80. Subtracting 0x0E from each byte sets the high bit of those below
// it; a borrow can flag a byte above a flagged one, never the lowest one.
inline std::uint64_t flagged(std::uint64_t word) {
    return (word | (word - 0x0E0E0E0E0E0E0E0Eull)) & 0x8080808080808080ull;
}

inline std::uint64_t load(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// The first byte at or after p that needs a look, sixteen bytes at a time:
// text is mostly plain ASCII between line breaks, and this is where a big
// file's bytes go by.
const char* skipPlain(const char* p, const char* end) {
    for (; end - p >= 16; p += 16) {
        const std::uint64_t a = flagged(load(p)), b = flagged(load(p + 8));
        if (a) return p + (__builtin_ctzll(a) >> 3);
        if (b) return p + 8 + (__builtin_ctzll(b) >> 3);
    }
    if (end - p >= 8) {
        if (const std::uint64_t a = flagged(load(p))) return p + (__builtin_ctzll(a) >> 3);
        p += 8;
    }
    while (p < end && static_cast<unsigned char>(*p) - 0x0Eu < 0x72u) ++p;
    return p;
}

// The UTF-8 sequence at s of which avail bytes are there: its length when
// well-formed (no overlong forms, surrogates or values past U+10FFFF), 0 when
// its first byte is not the start of one, -1 when it is cut short but right so
// far.
int sequenceAt(const unsigned char* s, std::size_t avail) {
    const unsigned char c = s[0];
    std::size_t need;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (avail >= 2 && (s[1] < lo || s[1] > hi)) return 0;
    for (std::size_t i = 2; i < need && i < avail; ++i)
        if ((s[i] & 0xC0) != 0x80) return 0;
    return avail < need ? -1 : static_cast<int>(need);
}

}  // namespace

const char* LineBreakNormalizer::takeHeldSequence(const char* p, const char* end, std::string& out) {
    while (m_heldSize < m_heldNeed && p < end && (static_cast<unsigned char>(*p) & 0xC0) == 0x80)
        m_held[m_heldSize++] = *p++;
    if (m_heldSize < m_heldNeed && p == end) return p;  // still cut
    if (m_heldSize == m_heldNeed &&
        sequenceAt(reinterpret_cast<const unsigned char*>(m_held), m_heldSize) > 0) {
        m_continuations += m_heldSize - 1;
    } else {
        // Broken off by a byte that cannot go on, or out of range once whole:
        // its first byte starts nothing, and the others are strays.
        m_invalid += m_heldSize;
    }
    put(out, m_held, m_heldSize);
    m_heldSize = m_heldNeed = 0;
    return p;
}

void LineBreakNormalizer::feed(std::string_view chunk, std::string& out) {
    const char* p = chunk.data();
    const char* const end = p + chunk.size();
    if (m_heldNeed && p < end) p = takeHeldSequence(p, end, out);
    if (m_pendingCR && p < end) {
        m_pendingCR = false;
        put(out, "\r\n", 2);
        if (*p == '\n') {
            ++m_crLf;
            ++p;
        } else {
            ++m_loneCr;
        }
    }
    // Runs that are already right (CR LF pairs and UTF-8 included) are copied
    // in one go.
    const char* run = p;
    while (p < end) {
        p = skipPlain(p, end);
        if (p == end) break;
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x80) {
            const int len = sequenceAt(reinterpret_cast<const unsigned char*>(p), end - p);
            if (len > 0) {
                m_continuations += len - 1;
                p += len;
            } else if (len == 0) {
                ++m_invalid;
                ++p;
            } else {
                put(out, run, p - run);
                m_heldSize = static_cast<unsigned>(end - p);
                m_heldNeed = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                std::memcpy(m_held, p, m_heldSize);
                return;
            }
        } else if (c == '\r') {
            if (p + 1 == end) {
                put(out, run, p - run);
                m_pendingCR = true;
                return;
            }
            if (p[1] == '\n') {
                ++m_crLf;
                p += 2;
                continue;
            }
            ++m_loneCr;
            put(out, run, p - run);
            put(out, "\r\n", 2);
            run = ++p;
        } else if (c == '\n') {
            ++m_loneLf;
            put(out, run, p - run);
            put(out, "\r\n", 2);
            run = ++p;
        } else if (c == '\b') {
            ++m_backspaces;
            if (m_markBackspaces) {
                put(out, run, p - run);
                put(out, kMiddleDot, 2);
                ++m_continuations;
                run = p + 1;
            }
            ++p;
        } else {
            // NUL is the one byte a text file never holds.
            if (c == 0) ++m_nuls;
            ++p;
        }
    }
    put(out, run, p - run);
}

void LineBreakNormalizer::finish(std::string& out, bool cut) {
    if (m_heldNeed && !cut) {
        m_invalid += m_heldSize;
        put(out, m_held, m_heldSize);
    }
    m_heldSize = m_heldNeed = 0;
    if (m_pendingCR) {
        ++m_loneCr;
        put(out, "\r\n", 2);
    }
    m_pendingCR = false;
}

std::string LineBreakNormalizer::normalize(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 16);
    LineBreakNormalizer n;
    n.feed(text, out);
    n.finish(out);
    return out;
}

// Every line break (CR LF, lone CR, lone LF) becomes a single LF.
std::string LineBreakNormalizer::toUnix(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    const char* run = p;
    while (p < end) {
        if (*p != '\r') {
            ++p;
            continue;
        }
        out.append(run, p);
        out.push_back('\n');
        p += (p + 1 < end && p[1] == '\n') ? 2 : 1;
        run = p;
    }
    out.append(run, p);
    return out;
}

}  // namespace sj
