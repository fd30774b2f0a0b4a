#include "clipbook/ClipLibraryCodec.h"

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}

DecodedLibraryText decodeLibraryBytes(std::string_view bytes) {
    DecodedLibraryText out;
    std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        out.stoppedAtNul = true;
        bytes = bytes.substr(0, nul);
    }
    if (bytes.starts_with(kBom) && utf8::isValid(bytes)) {
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
        if (auto bytes = cp1252::fromUtf8(utf8Text)) return {std::move(*bytes), charset};
        charset = ClipCharset::Utf8;
    }
    EncodedLibraryText out{std::string(), charset};
    out.bytes.reserve(utf8Text.size() + kBom.size());
    if (charset == ClipCharset::Utf8WithBom) out.bytes.append(kBom);
    out.bytes.append(utf8Text);
    return out;
}

}  // namespace sj
