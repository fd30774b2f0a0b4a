#pragma once
// Character classes and case mapping for the text tools. Characters of the Windows-1252
// repertoire keep that code page's rules: a case partner outside the repertoire (the micro
// sign's Greek capital, for one) counts as "no partner", exactly as a single-byte table
// would have it. Every other character follows Unicode simple case mapping (one character
// to one character, so the sharp s stays as it is in upper case).
#include <string>
#include <string_view>

namespace sj::charclass {

bool isAlpha(char32_t c);
bool isUpper(char32_t c);
bool isLower(char32_t c);

char32_t toUpper(char32_t c);
char32_t toLower(char32_t c);

// Case folding for comparisons that ignore case (full Unicode simple folding).
char32_t foldCase(char32_t c);
std::string foldCase(std::string_view utf8);

// <0, 0, >0 as a and b compare with case ignored, character by character (code point order).
int compareIgnoreCase(std::string_view a, std::string_view b);

// Where a long line may be cut: letters, digits and " # $ ' ( < @ [ _ { hold a word
// together; a piece may end after any other character.
bool isSplitWordChar(char32_t c);

}  // namespace sj::charclass
