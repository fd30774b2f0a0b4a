#include "clipbook/ClipLibraryCodec.h"

#include <algorithm>

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kCharsetWord = "Windows-1252";

// The header line (the first, when it starts with "=") names the set.
bool headerNamesWindows1252(std::string_view bytes) {
    if (!bytes.starts_with('=')) return false;
    std::string header(bytes.substr(0, bytes.find_first_of("\r\n")));
    for (char& c : header)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return header.find("WINDOWS-1252") != std::string::npos;
}

bool hasNonAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

}  // namespace

DecodedLibraryText decodeLibraryBytes(std::string_view bytes) {
    DecodedLibraryText out;
    std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        out.stoppedAtNul = true;
        bytes = bytes.substr(0, nul);
    }
    if (headerNamesWindows1252(bytes)) {
        out.charset = ClipCharset::Windows1252;
        out.text = cp1252::toUtf8(bytes);
    } else if (bytes.starts_with(kBom) && utf8::isValid(bytes)) {
        out.charset = ClipCharset::Utf8WithBom;
        out.text.assign(bytes.substr(kBom.size()));
    } else if (utf8::isValid(bytes)) {
        out.charset = ClipCharset::Utf8;
        out.text.assign(bytes);
    } else {
        out.charset = ClipCharset::Windows1252;
        out.text = cp1252::toUtf8(bytes);
    }
    return out;
}

EncodedLibraryText encodeLibraryText(std::string_view utf8Text, ClipCharset charset) {
    if (charset == ClipCharset::Windows1252) {
        if (auto bytes = cp1252::fromUtf8(utf8Text)) {
            // Bytes that read as UTF-8 would come back as other characters.
            if (hasNonAscii(*bytes) && utf8::isValid(*bytes) && !headerNamesWindows1252(*bytes) &&
                bytes->starts_with('=')) {
                const std::size_t end = std::min(bytes->find_first_of("\r\n"), bytes->size());
                bytes->insert(end, " " + std::string(kCharsetWord));
            }
            return {std::move(*bytes), charset};
        }
        charset = ClipCharset::Utf8;
    }
    EncodedLibraryText out{std::string(), charset};
    out.bytes.reserve(utf8Text.size() + kBom.size());
    if (charset == ClipCharset::Utf8WithBom) out.bytes.append(kBom);
    out.bytes.append(utf8Text);
    return out;
}

}  // namespace sj
