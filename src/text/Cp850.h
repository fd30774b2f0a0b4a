#pragma once
// DOS (OEM, code page 850) text. Two layers live here:
//  - file decoding (toUtf8/fromUtf8) uses the whole code page, so every one of the 256 byte
//    values round-trips and an untouched DOS file is written back byte for byte;
//  - the ANSI<->OEM byte tables used by the Convert to Ascii/Ansi command, which reproduce the
//    program's historical conversion (line-drawing characters become spaces, curly quotes an
//    apostrophe, and so on). Those tables are lossy on purpose and never used for file I/O.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sj::cp850 {

// The Unicode character a code page 850 byte stands for.
char32_t toUnicode(unsigned char byte);
// The code page 850 byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t cp);

// File bytes -> UTF-8 editor text. Never fails.
std::string toUtf8(std::string_view oemBytes);
// UTF-8 editor text -> file bytes. Reports the byte offset (in utf8) of the first character
// code page 850 cannot hold through unmappable and returns nothing then.
std::optional<std::string> fromUtf8(std::string_view utf8, std::size_t* unmappable = nullptr);

// The command tables, byte to byte; bytes below 128 are returned unchanged.
unsigned char oemToAnsi(unsigned char oemByte);
unsigned char ansiToOem(unsigned char ansiByte);

}  // namespace sj::cp850
