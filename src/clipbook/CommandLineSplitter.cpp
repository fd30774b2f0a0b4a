#include "clipbook/CommandLineSplitter.h"

#include <unicode/uchar.h>

#include "text/Utf8.h"

namespace sj {

namespace {

bool isSpace(char32_t c) {
    if (c == 0x20 || (c >= 0x09 && c <= 0x0D)) return true;
    if (c < 0x80) return false;
    if (c == 0x85 || c == 0xA0) return true;
    int8_t type = u_charType(static_cast<UChar32>(c));
    return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

}  // namespace

std::vector<std::string> CommandLineSplitter::split(const ExpansionText& line) {
    std::vector<std::string> args;
    std::string current;
    int quoteCount = 0;
    bool inQuote = false;
    const std::string& s = line.text();
    std::size_t pos = 0;
    while (pos < s.size()) {
        std::size_t start = pos;
        if (!line.isCode(pos)) {
            // Inserted bytes are literal argument text, whatever they are.
            if (quoteCount == 1) inQuote = !inQuote;
            quoteCount = 0;
            current += s[pos++];
            continue;
        }
        char32_t c = utf8::decode(s, pos);
        if (c == U'"') {
            if (++quoteCount == 3) {
                quoteCount = 0;
                current += '"';
            }
            continue;
        }
        if (quoteCount == 1) inQuote = !inQuote;
        quoteCount = 0;
        if (!inQuote && isSpace(c)) {
            if (!current.empty()) {
                args.push_back(std::move(current));
                current.clear();
            }
        } else {
            current.append(s, start, pos - start);
        }
    }
    if (!current.empty()) args.push_back(std::move(current));
    return args;
}

std::vector<std::string> CommandLineSplitter::split(std::string_view line) {
    return split(ExpansionText(std::string(line)));
}

}  // namespace sj
