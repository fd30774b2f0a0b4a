#pragma once
// Windows-1252 <-> Unicode. All 256 byte values round-trip: the five bytes the
// code page leaves undefined map to the C1 controls of the same value.
#include <optional>
#include <string>
#include <string_view>

namespace sj::cp1252 {

char32_t toUnicode(unsigned char byte);
// The byte for a character, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t cp);

// Whole-buffer conversions. fromUtf8 reports the first character it cannot hold
// through unmappable (byte offset into the input) and returns nothing then.
std::string toUtf8(std::string_view bytes);
std::optional<std::string> fromUtf8(std::string_view utf8, std::size_t* unmappable = nullptr);

}  // namespace sj::cp1252
