#include "printing/PrintDialogRules.h"

#include <charconv>

namespace sj {
namespace {

std::optional<int> parseInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace

bool PrintDialogRules::acceptsIntegerKey(char32_t c) {
    return c < 32 || c == 127 || (c >= '0' && c <= '9');
}

bool PrintDialogRules::acceptsMarginKey(char32_t c) {
    return acceptsIntegerKey(c) || c == ',' || c == '.';
}

bool PrintDialogRules::acceptsFontSizeKey(char32_t c) {
    return c <= 31 || c == 127 || (c >= '0' && c <= '9');
}

const std::vector<int>& PrintDialogRules::scalableSizes() {
    static const std::vector<int> sizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 66, 72};
    return sizes;
}

int PrintDialogRules::sizeIndex(const std::vector<int>& sizes, std::string_view previous, bool scalable) {
    auto indexOf = [&](int size) {
        for (std::size_t i = 0; i < sizes.size(); ++i)
            if (sizes[i] == size) return static_cast<int>(i);
        return -1;
    };
    if (!previous.empty()) {
        const std::optional<int> size = parseInt(previous);
        const int found = size ? indexOf(*size) : -1;
        if (found >= 0) return found;
        return scalable || sizes.empty() ? -1 : 0;
    }
    const int ten = indexOf(10);
    if (ten >= 0) return ten;
    return scalable || sizes.empty() ? -1 : 0;
}

std::optional<std::string> PrintDialogRules::convertMargin(std::string_view text, LengthUnits from,
                                                           LengthUnits to, int r) {
    double v = 0;
    if (!PrintSettings::parseMargin(text.substr(0, 10), v)) return std::nullopt;
    const bool needsResolution = from == LengthUnits::Pixels || to == LengthUnits::Pixels;
    if (v > 0 && from != to && (r > 0 || !needsResolution)) {
        double inches = v;
        if (from == LengthUnits::Centimeters) inches = v / 2.54;
        if (from == LengthUnits::Pixels) inches = v / r;
        v = inches;
        if (to == LengthUnits::Centimeters) v = inches * 2.54;
        if (to == LengthUnits::Pixels) v = inches * r;
    }
    return PrintSettings::marginText(v, to);
}

int PrintDialogRules::fromPage(std::string_view text) {
    const std::optional<int> v = parseInt(text);
    return v && *v > 0 ? *v : 1;
}

int PrintDialogRules::toPage(std::string_view text, int from) {
    const std::optional<int> v = parseInt(text);
    if (!v || *v < 0 || (*v > 0 && *v < from)) return 0;
    return *v;
}

int PrintDialogRules::copies(std::string_view text) {
    const std::optional<int> v = parseInt(text);
    return v && *v > 0 ? *v : 1;
}

int PrintDialogRules::fontSize(std::string_view text) {
    return parseInt(text).value_or(0);
}

std::string PrintDialogRules::caption(std::string_view title) {
    return title.empty() ? std::string("Print") : "Print [" + std::string(title) + "]";
}

}  // namespace sj
