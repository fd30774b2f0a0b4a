#include "document/EncodedSize.h"

namespace sj {

std::uint64_t encodedSize(const TextCounts& counts, TextCharset charset, int lineFormat, bool bom) {
    // The single-byte character sets write one byte per character.
    std::uint64_t size = charset == TextCharset::Utf8 ? counts.bytes : counts.characters;
    if (lineFormat == 1) size -= counts.lineBreaks;
    if (bom && charset == TextCharset::Utf8) size += 3;
    return size;
}

}  // namespace sj
