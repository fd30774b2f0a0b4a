#include "text/Utf8.h"

#include <cstdint>
#include <cstring>

namespace sj::utf8 {
namespace {

// Offset of the first byte >= 0x80 at or after pos, eight bytes at a time:
// big files are mostly ASCII, and one test per word is what makes a pass over
// them cost about as much as reading them.
std::size_t skipAscii(std::string_view s, std::size_t pos) {
    const std::size_t n = s.size();
    for (; pos + 8 <= n; pos += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + pos, 8);
        if (w & 0x8080808080808080ull) break;
    }
    while (pos < n && static_cast<unsigned char>(s[pos]) < 0x80) ++pos;
    return pos;
}

}  // namespace

char32_t decode(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const std::size_t len = seqLength(lead);
    if (len == 1 || pos + len > s.size()) {
        ++pos;
        return kReplacement;
    }
    char32_t cp = lead & (0xFF >> (len + 1));
    for (std::size_t i = 1; i < len; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if (!isContinuation(c)) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += len;
    return cp;
}

char32_t decodeBefore(std::string_view s, std::size_t& pos) {
    std::size_t start = pos - 1;
    while (start > 0 && pos - start < 4 && isContinuation(static_cast<unsigned char>(s[start]))) --start;
    std::size_t probe = start;
    const char32_t cp = decode(s, probe);
    if (probe == pos) {
        pos = start;
        return cp;
    }
    --pos;  // not a well-formed sequence ending here: step one byte
    return kReplacement;
}

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string encode(char32_t cp) {
    std::string out;
    append(out, cp);
    return out;
}

bool isValid(std::string_view s) {
    std::size_t pos = 0;
    while ((pos = skipAscii(s, pos)) < s.size()) {
        const std::size_t before = pos;
        if (decode(s, pos) == kReplacement && !(pos - before == 3 && s.substr(before, 3) == "\xEF\xBF\xBD"))
            return false;
    }
    return true;
}

std::size_t floorBoundary(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return s.size();
    std::size_t start = pos;
    while (start > 0 && pos - start < 3 && isContinuation(static_cast<unsigned char>(s[start]))) --start;
    std::size_t probe = start;
    decode(s, probe);
    return probe > pos ? start : pos;
}

std::size_t countChars(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t ascii = skipAscii(s, pos);
        n += ascii - pos;
        pos = ascii;
        if (pos == s.size()) break;
        decode(s, pos);
        ++n;
    }
    return n;
}

}  // namespace sj::utf8
