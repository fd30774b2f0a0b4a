#include "text/Utf16.h"

#include "text/Utf8.h"

namespace sj::utf16 {

namespace {

char16_t unitAt(std::string_view b, std::size_t i, Order order) {
    const auto lo = static_cast<unsigned char>(b[order == Order::Little ? i : i + 1]);
    const auto hi = static_cast<unsigned char>(b[order == Order::Little ? i + 1 : i]);
    return static_cast<char16_t>(hi << 8 | lo);
}

void putUnit(std::string& out, char16_t u, Order order) {
    const char lo = static_cast<char>(u & 0xFF);
    const char hi = static_cast<char>(u >> 8);
    if (order == Order::Little) {
        out.push_back(lo);
        out.push_back(hi);
    } else {
        out.push_back(hi);
        out.push_back(lo);
    }
}

}  // namespace

std::optional<Order> orderOf(std::string_view head) {
    if (head.starts_with("\xFF\xFE")) return Order::Little;
    if (head.starts_with("\xFE\xFF")) return Order::Big;
    return std::nullopt;
}

std::optional<std::string> toUtf8(std::string_view bytes, Order order) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size() / 2 * 3 / 2 + 16);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t u = unitAt(bytes, i, order);
        if (u < 0xD800 || u > 0xDFFF) {
            utf8::append(out, u);
            continue;
        }
        if (u > 0xDBFF || i + 4 > bytes.size()) return std::nullopt;
        const char16_t low = unitAt(bytes, i + 2, order);
        if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
        utf8::append(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
    }
    return out;
}

std::string fromUtf8(std::string_view text, Order order) {
    std::string out;
    out.reserve(text.size() * 2 + 2);
    putUnit(out, 0xFEFF, order);
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = utf8::decode(text, pos);
        if (cp < 0x10000) {
            putUnit(out, static_cast<char16_t>(cp), order);
        } else {
            const char32_t v = cp - 0x10000;
            putUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)), order);
            putUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)), order);
        }
    }
    return out;
}

}  // namespace sj::utf16
