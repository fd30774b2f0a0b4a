#pragma once
// Fonts and font styles as text: "name;size;style letters;colour", style
// letters B, I, U, S (bold, italic, underline, strike-out).
#include <cstdint>
#include <string>
#include <string_view>

namespace sj {

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontStyle&) const = default;
};

struct FontSpec {
    std::string name;
    int size = 0;
    FontStyle style;
    std::int32_t colour = 0;  // signed, as the configuration stores colours

    bool operator==(const FontSpec&) const = default;
};

class FontText {
public:
    // The letters of the style in the order B, I, U, S.
    static std::string styleToText(const FontStyle& style);
    // Finds each letter anywhere in the text, in any case and order.
    static FontStyle styleFromText(std::string_view text);

    static std::string toText(const FontSpec& font);
    // Parts that are missing or not numbers keep the value of fallback.
    static FontSpec fromText(std::string_view text, const FontSpec& fallback = {});
};

}  // namespace sj
