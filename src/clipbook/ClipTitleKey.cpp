#include "clipbook/ClipTitleKey.h"

#include <unicode/uchar.h>

#include "text/Utf8.h"

namespace sj {

std::string foldedKey(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c));
            ++pos;
            continue;
        }
        std::size_t start = pos;
        char32_t cp = utf8::decode(utf8, pos);
        if (cp == utf8::kReplacement) {
            // Keep malformed bytes as they are rather than merging them all into U+FFFD.
            out.append(utf8.substr(start, pos - start));
            continue;
        }
        utf8::append(out, static_cast<char32_t>(u_foldCase(static_cast<UChar32>(cp), U_FOLD_CASE_DEFAULT)));
    }
    return out;
}

int compareWithoutCase(std::string_view a, std::string_view b) {
    int r = foldedKey(a).compare(foldedKey(b));
    if (r != 0) return r;
    return a.compare(b);
}

bool equalsWithoutCase(std::string_view a, std::string_view b) {
    return foldedKey(a) == foldedKey(b);
}

}  // namespace sj
