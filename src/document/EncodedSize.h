#pragma once
// How many bytes a text held in the editor (UTF-8, every line break CR LF)
// takes in its file: what the user sees as the document's size. Worked out
// from counts the editor keeps, so it costs nothing on a big document.
#include <cstdint>

#include "text/TextCharset.h"

namespace sj {

struct TextCounts {
    std::uint64_t bytes = 0;       // UTF-8 bytes in the editor
    std::uint64_t characters = 0;  // characters, CR and LF one each
    std::uint64_t lineBreaks = 0;  // CR LF pairs
};

// lineFormat 1 writes each CR LF as LF; a byte order mark adds its three bytes.
std::uint64_t encodedSize(const TextCounts& counts, TextCharset charset, int lineFormat, bool bom);

}  // namespace sj
