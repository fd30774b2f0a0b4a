#pragma once
// Cutting a line into pieces no wider than a given width, breaking after the last
// non-word character that fits. Shared by Split Lines and by printing.
#include <functional>
#include <string_view>
#include <vector>

namespace sj {

// Width in pixels of a text in the document's font, tabs expanded at its tab stops.
using TextWidthFn = std::function<int(std::string_view)>;

struct LinePiece {
    std::string_view text;      // the piece, trailing spaces removed when it was cut
    std::size_t restStart = 0;  // byte offset in the line where the remaining text starts
};

// Cuts one piece off the front of line. A piece always takes at least one character,
// so no text is lost even when a single character is wider than the available width.
LinePiece cutPiece(std::string_view line, int availableWidth, const TextWidthFn& width);

// All the pieces of one line; an empty line gives one empty piece.
std::vector<std::string_view> splitToWidth(std::string_view line, int availableWidth,
                                           const TextWidthFn& width);

}  // namespace sj
