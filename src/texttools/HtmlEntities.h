#pragma once
// HTML character entities: reading them (Strip HTML Tags) and writing them (Characters to HTML).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

// The character an entity name (the text between "&" and ";") stands for, or nothing.
// Names are compared without regard to case, except that the case of the first letter of an
// accented-letter name chooses the capital or the small letter ("Eacute" / "eacute"); a known
// accent on a letter that has no such form gives the letter itself ("Bacute" -> "B").
// Numeric forms: "#65" and "#x41"; 128 to 159 are read as Windows-1252 codes.
std::optional<char32_t> decodeHtmlEntity(std::string_view name);

// The entity for a character from U+0080 up: a named one for the Latin-1 letters, ©, ® and ™,
// otherwise the numeric form of its code point ("&#8364;").
std::string htmlEntityFor(char32_t c);

// Every character from U+0080 up replaced by its entity (malformed bytes are kept as they are).
std::string charactersToHtml(std::string_view text);

// Without a selection the whole text is the scope. When the scope holds no character to
// convert, the text stays and only that scope is selected (replaces == false).
TextChange htmlEncodeSelection(std::string_view text, std::size_t selStart, std::size_t selLength);

}  // namespace sj
