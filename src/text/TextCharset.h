#pragma once
// Character set a document's file is stored in. The editor always holds UTF-8.
#include <string_view>

namespace sj {

enum class TextCharset { Utf8, Windows1252, Cp850, Utf16Le, Utf16Be };

constexpr std::string_view charsetName(TextCharset c) {
    switch (c) {
        case TextCharset::Utf8:
            return "UTF-8";
        case TextCharset::Windows1252:
            return "Windows-1252";
        case TextCharset::Cp850:
            return "DOS (code page 850)";
        case TextCharset::Utf16Le:
            return "UTF-16 LE";
        case TextCharset::Utf16Be:
            return "UTF-16 BE";
    }
    return "UTF-8";
}

constexpr bool isUtf16(TextCharset c) {
    return c == TextCharset::Utf16Le || c == TextCharset::Utf16Be;
}

}  // namespace sj
