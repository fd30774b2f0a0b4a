#include "text/CharClass.h"

#include <unicode/uchar.h>

#include <array>

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj::charclass {
namespace {

bool inCp1252(char32_t c) {
    return cp1252::fromUnicode(c).has_value();
}

// A case partner is only accepted when it is as representable as the original.
char32_t keepInRepertoire(char32_t from, char32_t to) {
    if (to == from) return from;
    if (inCp1252(from) && !inCp1252(to)) return from;
    return to;
}

// Latin-1 is by far the most common non-ASCII range; a table spares ICU calls there.
struct Latin1Cases {
    std::array<char32_t, 256> upper{};
    std::array<char32_t, 256> lower{};
    Latin1Cases() {
        for (char32_t c = 0; c < 256; ++c) {
            upper[c] = keepInRepertoire(c, static_cast<char32_t>(u_toupper(static_cast<UChar32>(c))));
            lower[c] = keepInRepertoire(c, static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))));
        }
    }
};

const Latin1Cases& latin1() {
    static const Latin1Cases cases;
    return cases;
}

}  // namespace

bool isAlpha(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return u_isalpha(static_cast<UChar32>(c));
}

bool isUpper(char32_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z';
    return u_isupper(static_cast<UChar32>(c));
}

bool isLower(char32_t c) {
    if (c < 0x80) return c >= 'a' && c <= 'z';
    return u_islower(static_cast<UChar32>(c));
}

char32_t toUpper(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c < 0x100) return latin1().upper[c];
    return keepInRepertoire(c, static_cast<char32_t>(u_toupper(static_cast<UChar32>(c))));
}

char32_t toLower(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < 0x100) return latin1().lower[c];
    return keepInRepertoire(c, static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))));
}

char32_t foldCase(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(foldCase(static_cast<char32_t>(b))));
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t c = utf8::decode(s, pos);
        if (c == utf8::kReplacement)
            out.append(s.substr(start, pos - start));  // keep malformed bytes as they are
        else
            utf8::append(out, foldCase(c));
    }
    return out;
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldCase(utf8::decode(a, i));
        const char32_t cb = foldCase(utf8::decode(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool isSplitWordChar(char32_t c) {
    switch (c) {
        case '"':
        case '#':
        case '$':
        case '\'':
        case '(':
        case '<':
        case '@':
        case '[':
        case '_':
        case '{':
            return true;
        default:
            return u_isalnum(static_cast<UChar32>(c));
    }
}

}  // namespace sj::charclass
