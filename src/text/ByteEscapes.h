#pragma once
// Bytes of a UTF-8 file that are not UTF-8 travel through the editor as
// private-use characters: byte 0xNN is U+F7NN. A save turns each back into its
// byte, so a file with a few stray bytes is written back exactly as it was.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj::bytescape {

constexpr char32_t kFirst = 0xF780;  // byte 0x80
constexpr char32_t kLast = 0xF7FF;   // byte 0xFF

// What a scan of bytes as UTF-8 found.
struct Census {
    std::size_t multiByte = 0;  // well-formed sequences of two bytes or more
    std::size_t invalid = 0;    // bytes that belong to no well-formed sequence
    // The bytes already hold a character of the escape range: escaping would
    // make it indistinguishable from an escaped byte.
    bool holdsEscapes = false;
};

Census census(std::string_view bytes);

// Well-formed sequences are copied; every other byte becomes its escape.
std::string decode(std::string_view bytes);

// Every escape becomes its byte again; everything else is copied.
std::string restore(std::string_view text);

// True when text holds at least one escape.
bool hasEscapes(std::string_view text);

}  // namespace sj::bytescape
