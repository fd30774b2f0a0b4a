#pragma once
// The characters that end a word: used to widen a selection to whole words, by Expand Word
// and (without the hyphen) by the text statistics. Everything else, including every
// character from U+007F up, is a word character.
namespace sj {

constexpr bool isWordDelimiterNoHyphen(char32_t c) {
    // clang-format off
    switch (c) {
        case 0: case 8: case 9: case 10: case 13: case ' ':
        case '!': case '"': case '%': case '&': case '\'': case '(': case ')': case '*': case '+':
        case ',': case '.': case '/': case ':': case ';': case '<': case '=': case '>': case '?':
        case '@': case '[': case '\\': case ']': case '`': case '{': case '|': case '}':
            return true;
        default:
            return false;
    }
    // clang-format on
}

constexpr bool isWordDelimiter(char32_t c) {
    return c == '-' || isWordDelimiterNoHyphen(c);
}

}  // namespace sj
