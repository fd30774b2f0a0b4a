#pragma once
// Bytes of a library file <-> the UTF-8 text the format works on. A file is
// UTF-8 when its bytes are valid UTF-8 (a byte order mark is remembered),
// otherwise Windows-1252; it is written back in the set it was read in. A
// Windows-1252 library whose bytes happen to be valid UTF-8 says so in its
// header line (the word "Windows-1252"), so it is read in that set again.
#include <string>
#include <string_view>

namespace sj {

enum class ClipCharset { Utf8, Utf8WithBom, Windows1252 };

struct DecodedLibraryText {
    std::string text;  // UTF-8
    ClipCharset charset = ClipCharset::Utf8;
    bool stoppedAtNul = false;  // a NUL ended the text before the end of the file
};

DecodedLibraryText decodeLibraryBytes(std::string_view bytes);

struct EncodedLibraryText {
    std::string bytes;
    ClipCharset charset;  // the set actually written
};

// A Windows-1252 library that gained a character the set cannot hold is
// written as UTF-8 instead of losing that character.
EncodedLibraryText encodeLibraryText(std::string_view utf8, ClipCharset charset);

}  // namespace sj
