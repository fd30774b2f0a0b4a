#include "texttools/CharsetCommands.h"

#include <algorithm>

#include "text/Cp850.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {
namespace {

// Byte offset of character number index.
std::size_t offsetOfChar(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < s.size(); ++i) utf8::decode(s, pos);
    return pos;
}

}  // namespace

std::string convertTextCaption(bool oemText) {
    return oemText ? "Convert to &Ansi Text" : "Convert to &Ascii Text";
}

std::string convertCharset(std::string_view text, bool toOem) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (std::size_t pos = 0; pos < text.size();) {
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++pos;
            continue;
        }
        const std::size_t at = pos;
        const char32_t c = utf8::decode(text, pos);
        const auto ansi = cp1252::fromUnicode(c);
        const bool valid = c != utf8::kReplacement || text.substr(at, pos - at) == "\xEF\xBF\xBD";
        if (!ansi || !valid) {
            out.append(text.substr(at, pos - at));
            continue;
        }
        const unsigned char converted = toOem ? cp850::oemToAnsi(*ansi) : cp850::ansiToOem(*ansi);
        utf8::append(out, cp1252::toUnicode(converted));
    }
    return out;
}

CharsetConversion convertText(std::string_view text, bool oemText, std::size_t selStart,
                              std::size_t selLength, bool modified) {
    CharsetConversion r;
    r.oemText = !oemText;
    r.text = convertCharset(text, r.oemText);
    // Every character maps to exactly one character, so the selection keeps its characters.
    selStart = std::min(selStart, text.size());
    const std::size_t selEnd = std::min(selStart + selLength, text.size());
    const std::size_t firstChar = utf8::countChars(text.substr(0, selStart));
    const std::size_t chars = utf8::countChars(text.substr(selStart, selEnd - selStart));
    r.selStart = offsetOfChar(r.text, firstChar);
    r.selLength = offsetOfChar(std::string_view(r.text).substr(r.selStart), chars);
    r.keepUnmodified = !modified;
    return r;
}

}  // namespace sj
