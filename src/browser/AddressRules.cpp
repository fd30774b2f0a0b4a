#include "browser/AddressRules.h"

#include <algorithm>
#include <cctype>

#include "text/AsciiCase.h"

namespace sj::address {
namespace {

// Bytes of multi-byte UTF-8 characters count as letters: the rules were made
// for single-byte text, where accented letters are letters too.
bool isLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) || u >= 0x80;
}

bool isMailChar(char c) {
    return isLetter(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '/' || c == '@';
}

bool isAddressStart(char c) {
    return isLetter(c) || c == '.' || c == '/' || c == '\\';
}

bool isTrailing(char c) {
    switch (c) {
        case '\0':
        case '\n':
        case '\r':
        case ' ':
        case '"':
        case '(':
        case ')':
        case ',':
        case '.':
        case ';':
        case '>':
        case '[':
        case ']':
            return true;
        default:
            return false;
    }
}

std::size_t findIgnoringCase(std::string_view text, std::string_view upperWord) {
    if (text.size() < upperWord.size()) return std::string_view::npos;
    for (std::size_t i = 0; i + upperWord.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < upperWord.size() && ascii::toUpper(text[i + k]) == upperWord[k]) ++k;
        if (k == upperWord.size()) return i;
    }
    return std::string_view::npos;
}

std::string extensionOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return std::string(path.substr(dot + 1));
}

}  // namespace

bool isLinkDelimiter(char c) {
    return c == ' ' || c == '"' || c == '<' || c == '=' || c == '>';
}

bool isFileNameDelimiter(char c) {
    switch (c) {
        case '\0':
        case '\b':
        case '\t':
        case '\n':
        case '\r':
        case ' ':
        case '"':
        case '\'':
        case '(':
        case ')':
        case ';':
        case '<':
        case '=':
        case '>':
        case '[':
        case ']':
        case '{':
        case '}':
            return true;
        default:
            return false;
    }
}

FormedAddress fromText(std::string_view input) {
    FormedAddress out;
    if (input.empty()) {
        out.ask = true;
        return out;
    }
    std::string_view text = input;
    bool hrefMark = false;
    if (const std::size_t gt = text.find('>'); gt != std::string_view::npos) {
        text = text.substr(0, gt);
        if (const std::size_t href = findIgnoringCase(text, "HREF"); href != std::string_view::npos) {
            text = text.substr(href + 4);
            std::size_t start = 0;
            while (start < text.size() && !isAddressStart(text[start])) ++start;
            text = text.substr(start);
            hrefMark = true;
        }
    }
    while (!text.empty() && isTrailing(text.back())) text.remove_suffix(1);

    std::string s(text);
    if (const std::size_t scheme = s.find("://"); scheme != std::string::npos && scheme >= 2) {
        std::transform(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(scheme), s.begin(), ascii::toLower);
        // Whatever stands before the scheme's letters goes: "(http://..." is http://...
        std::size_t first = scheme;
        while (first > 0 && isLetter(s[first - 1])) --first;
        out.address = s.substr(first);
        return out;
    }

    bool path;
    if (const std::size_t backslash = s.find('\\'); backslash != std::string::npos) {
        std::replace(s.begin() + static_cast<std::ptrdiff_t>(backslash), s.end(), '\\', '/');
        path = true;
    } else if (s.starts_with('/')) {
        path = true;  // an absolute path of this system
    } else if (s.find('/') == std::string::npos) {
        path = std::count(s.begin(), s.end(), '.') < 2;
    } else {
        path = false;
    }
    if (s.empty()) {
        out.ask = true;
        return out;
    }
    if (!path) {
        out.address = "http://" + s;
        return out;
    }
    const std::string ext = extensionOf(s);
    if (!hrefMark && ext.size() >= 3 && ascii::toUpper(ext[0]) == 'H' && ascii::toUpper(ext[1]) == 'T' &&
        ascii::toUpper(ext[2]) == 'M') {
        if (s.starts_with('/')) {
            out.address = fileUrl(s);
        } else {
            if (const std::size_t colon = s.find(':'); colon != std::string::npos) s[colon] = '|';
            out.address = "file:///" + s;
        }
        return out;
    }
    out.address = s;
    out.ask = true;
    return out;
}

std::string mailFromText(std::string_view text) {
    const std::size_t at = text.find('@');
    if (at == std::string_view::npos) return {};
    std::size_t end = at + 1;
    while (end < text.size() && isMailChar(text[end])) ++end;
    std::size_t start = at;
    while (start > 0 && isMailChar(text[start - 1])) --start;
    return "mailto:" + std::string(text.substr(start, end - start));
}

std::string fileUrl(std::string_view absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "file://";
    out.reserve(out.size() + absolutePath.size());
    for (char c : absolutePath) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

}  // namespace sj::address
