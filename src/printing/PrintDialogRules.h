#pragma once
// The decisions of the print dialog that need no window: which keys its
// fields take, how a margin is converted when the units change, the font
// size list, and how its fields are read back into settings.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrintSettings.h"

namespace sj {

struct PrintDialogRules {
    // Page numbers and copies: control characters and digits.
    static bool acceptsIntegerKey(char32_t c);
    // Margins: those and "," and ".".
    static bool acceptsMarginKey(char32_t c);
    // The font size box refuses printable characters other than digits.
    static bool acceptsFontSizeKey(char32_t c);

    // The sizes offered for a scalable font.
    static const std::vector<int>& scalableSizes();
    // Which entry of a size list to select for the previous size text: that
    // size when listed, "10" when there was none and it is listed; for a
    // fixed list the first entry otherwise, for the scalable list none (-1).
    static int sizeIndex(const std::vector<int>& sizes, std::string_view previous, bool scalable);

    // A margin field's text in new units; r: the resolution along the margin.
    // A value of 0 or less is only re-formatted. Nothing when the field
    // (its first 10 characters) is not a number.
    static std::optional<std::string> convertMargin(std::string_view text, LengthUnits from, LengthUnits to,
                                                    int r);

    // Page fields: "from" empty, not a number or 0 gives 1; "to" empty or not
    // a number gives 0, and so does a value above 0 below from.
    static int fromPage(std::string_view text);
    static int toPage(std::string_view text, int from);
    static int copies(std::string_view text);
    // The size box: not a number gives 0.
    static int fontSize(std::string_view text);
    // The caption: "Print", or "Print [title]".
    static std::string caption(std::string_view title);
};

}  // namespace sj
