#pragma once
// Character set a document's file is stored in. The editor always holds UTF-8.
#include <string_view>

namespace sj {

enum class TextCharset { Utf8, Windows1252, Cp850 };

constexpr std::string_view charsetName(TextCharset c) {
    switch (c) {
        case TextCharset::Utf8:
            return "UTF-8";
        case TextCharset::Windows1252:
            return "Windows-1252";
        case TextCharset::Cp850:
            return "DOS (code page 850)";
    }
    return "UTF-8";
}

}  // namespace sj
