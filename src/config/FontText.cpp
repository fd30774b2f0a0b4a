#include "config/FontText.h"

#include <charconv>

namespace sj {

namespace {

template <typename T>
bool parseNumber(std::string_view s, T& out) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    T v{};
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size()) return false;
    out = v;
    return true;
}

}  // namespace

std::string FontText::styleToText(const FontStyle& style) {
    std::string s;
    if (style.bold) s += 'B';
    if (style.italic) s += 'I';
    if (style.underline) s += 'U';
    if (style.strikeOut) s += 'S';
    return s;
}

FontStyle FontText::styleFromText(std::string_view text) {
    FontStyle st;
    for (const char c : text) {
        switch (c) {
            case 'B':
            case 'b':
                st.bold = true;
                break;
            case 'I':
            case 'i':
                st.italic = true;
                break;
            case 'U':
            case 'u':
                st.underline = true;
                break;
            case 'S':
            case 's':
                st.strikeOut = true;
                break;
            default:
                break;
        }
    }
    return st;
}

std::string FontText::toText(const FontSpec& font) {
    return font.name + ";" + std::to_string(font.size) + ";" + styleToText(font.style) + ";" +
           std::to_string(font.colour);
}

FontSpec FontText::fromText(std::string_view text, const FontSpec& fallback) {
    FontSpec f = fallback;
    std::string_view parts[4];
    std::size_t count = 0;
    while (count < 4) {
        const std::size_t semi = text.find(';');
        // The colour is the last part; anything after it is ignored.
        parts[count++] = text.substr(0, semi);
        if (semi == std::string_view::npos) break;
        text.remove_prefix(semi + 1);
    }
    if (count > 0 && !parts[0].empty()) f.name = std::string(parts[0]);
    if (count > 1) parseNumber(parts[1], f.size);
    if (count > 2) f.style = styleFromText(parts[2]);
    if (count > 3) parseNumber(parts[3], f.colour);
    return f;
}

}  // namespace sj
