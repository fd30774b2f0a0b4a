#include "texttools/HtmlEntities.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "text/AsciiCase.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {
namespace {

// Names of the Latin-1 letters U+00C0..U+00FF; empty for the two signs among them.
constexpr std::array<const char*, 64> kLetterNames = {
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig", "Ccedil",  // C0
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc", "Iuml",    // C8
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",  "",        // D0
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN", "szlig",   // D8
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig", "ccedil",  // E0
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc", "iuml",    // E8
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",  "",        // F0
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn", "yuml",    // F8
};

constexpr std::array<const char*, 12> kAccents = {"ACUTE", "GRAVE", "CIRC", "TILDE", "RING", "UML",
                                                  "ELIG",  "CEDIL", "TH",   "SLASH", "HORN", "ZLIG"};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

std::optional<char32_t> decodeNumber(std::string_view digits) {
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    char32_t value = 0;
    for (const char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && ascii::toUpper(c) >= 'A' && ascii::toUpper(c) <= 'F')
            d = ascii::toUpper(c) - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + d;
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    if (value >= 0x80 && value < 0xA0) return cp1252::toUnicode(static_cast<unsigned char>(value));
    return value;
}

}  // namespace

std::optional<char32_t> decodeHtmlEntity(std::string_view name) {
    if (name.empty()) return std::nullopt;
    if (name[0] == '#') return decodeNumber(name.substr(1));
    struct Named {
        const char* name;
        char32_t c;
    };
    static constexpr Named kNamed[] = {{"REG", 0xAE}, {"COPY", 0xA9}, {"TRADE", 0x2122}, {"NBSP", ' '},
                                       {"LT", '<'},   {"GT", '>'},    {"AMP", '&'},      {"QUOT", '"'}};
    for (const auto& n : kNamed)
        if (ascii::equalsIgnoringCase(name, n.name)) return n.c;

    if (name.size() < 3 || !isLetter(name[0])) return std::nullopt;
    const std::string_view accent = name.substr(1);
    if (std::none_of(kAccents.begin(), kAccents.end(),
                     [&](const char* a) { return ascii::equalsIgnoringCase(accent, a); }))
        return std::nullopt;
    for (std::size_t i = 0; i < kLetterNames.size(); ++i) {
        const std::string_view letter = kLetterNames[i];
        if (!letter.empty() && ascii::equalsIgnoringCase(letter, name) &&
            isUpperLetter(letter[0]) == isUpperLetter(name[0]))
            return static_cast<char32_t>(0xC0 + i);
    }
    return static_cast<char32_t>(static_cast<unsigned char>(name[0]));
}

std::string htmlEntityFor(char32_t c) {
    switch (c) {
        case 0x2122:
            return "&trade;";
        case 0xA9:
            return "&copy;";
        case 0xAE:
            return "&reg;";
        default:
            break;
    }
    if (c >= 0xC0 && c <= 0xFF && kLetterNames[c - 0xC0][0] != '\0')
        return std::string("&") + kLetterNames[c - 0xC0] + ";";
    return "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
}

std::string charactersToHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Copy the ASCII run in one piece.
        std::size_t run = pos;
        while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
        out.append(text.substr(pos, run - pos));
        pos = run;
        if (pos >= text.size()) break;
        const std::size_t at = pos;
        const char32_t c = utf8::decode(text, pos);
        if (c == utf8::kReplacement && text.substr(at, pos - at) != "\xEF\xBF\xBD")
            out.append(text.substr(at, pos - at));
        else
            out += htmlEntityFor(c);
    }
    return out;
}

TextChange htmlEncodeSelection(std::string_view text, std::size_t selStart, std::size_t selLength) {
    selStart = utf8::floorBoundary(text, std::min(selStart, text.size()));
    std::size_t selEnd = utf8::floorBoundary(text, std::min(selStart + selLength, text.size()));
    if (selEnd == selStart) {
        selStart = 0;
        selEnd = text.size();
    }
    const std::string_view scope = text.substr(selStart, selEnd - selStart);
    TextChange change;
    change.start = change.selStart = selStart;
    change.length = change.selLength = scope.size();
    const bool anyToConvert = std::any_of(scope.begin(), scope.end(),
                                          [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
    if (!anyToConvert) {
        change.replaces = false;
        return change;
    }
    change.replacement = charactersToHtml(scope);
    change.selLength = change.replacement.size();
    return change;
}

}  // namespace sj
