#pragma once
// Conversions between UTF-8 and a single-byte character set, given the set's
// mapping of one byte and of one character. Shared by Windows-1252 and code page 850.
#include <optional>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace sj::singlebyte {

// ByteToChar: char32_t(unsigned char) for bytes from 0x80.
template <class ByteToChar>
std::string toUtf8(std::string_view bytes, ByteToChar toUnicode) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.push_back(c);
        else
            utf8::append(out, toUnicode(b));
    }
    return out;
}

// CharToByte: std::optional<unsigned char>(char32_t). The first character the
// set cannot hold ends the conversion; its byte offset goes to unmappable.
template <class CharToByte>
std::optional<std::string> fromUtf8(std::string_view text, std::size_t* unmappable, CharToByte fromUnicode) {
    // Never longer than the UTF-8 text: write through a pointer, trim at the end.
    std::string out(text.size(), '\0');
    char* w = out.data();
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            *w++ = static_cast<char>(c);
            ++pos;
            continue;
        }
        const std::size_t at = pos;
        char32_t cp;
        if (c >= 0xC2 && c < 0xE0 && pos + 1 < text.size() && utf8::isContinuation(text[pos + 1])) {
            // Two-byte characters (all of Latin-1) decoded inline: they are most of the work.
            cp = (static_cast<char32_t>(c & 0x1F) << 6) | (static_cast<unsigned char>(text[pos + 1]) & 0x3F);
            pos += 2;
        } else {
            cp = utf8::decode(text, pos);
        }
        const auto byte = fromUnicode(cp);
        if (!byte) {
            if (unmappable) *unmappable = at;
            return std::nullopt;
        }
        *w++ = static_cast<char>(*byte);
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

}  // namespace sj::singlebyte
