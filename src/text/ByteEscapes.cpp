#include "text/ByteEscapes.h"

#include <cstring>

#include "text/Utf8.h"

namespace sj::bytescape {

namespace {

// Length of the well-formed sequence at pos, 0 when the byte there starts none.
std::size_t wellFormedAt(std::string_view s, std::size_t pos) {
    std::size_t next = pos;
    const char32_t cp = utf8::decode(s, next);
    if (cp != utf8::kReplacement) return next - pos;
    // U+FFFD itself is a well-formed character.
    return s.substr(pos, 3) == "\xEF\xBF\xBD" ? 3 : 0;
}

bool isEscapeAt(std::string_view s, std::size_t pos) {
    // U+F780..U+F7BF is EF 9E 80..BF, U+F7C0..U+F7FF is EF 9F 80..BF.
    return pos + 3 <= s.size() && s[pos] == '\xEF' && (s[pos + 1] == '\x9E' || s[pos + 1] == '\x9F') &&
           utf8::isContinuation(static_cast<unsigned char>(s[pos + 2]));
}

}  // namespace

Census census(std::string_view bytes) {
    Census c;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t len = wellFormedAt(bytes, pos);
        if (len == 0) {
            ++c.invalid;
            ++pos;
            continue;
        }
        ++c.multiByte;
        if (isEscapeAt(bytes, pos)) c.holdsEscapes = true;
        pos += len;
    }
    return c;
}

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 64);
    std::size_t run = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        if (const std::size_t len = wellFormedAt(bytes, pos)) {
            pos += len;
            continue;
        }
        out.append(bytes, run, pos - run);
        utf8::append(out, 0xF700 + static_cast<unsigned char>(bytes[pos]));
        run = ++pos;
    }
    out.append(bytes, run, std::string_view::npos);
    return out;
}

std::string restore(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t run = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const void* hit = std::memchr(text.data() + pos, '\xEF', text.size() - pos);
        if (!hit) break;
        pos = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        if (!isEscapeAt(text, pos)) {
            ++pos;
            continue;
        }
        out.append(text, run, pos - run);
        const auto mid = static_cast<unsigned char>(text[pos + 1]);
        const auto low = static_cast<unsigned char>(text[pos + 2]);
        out.push_back(static_cast<char>((mid == 0x9E ? 0x80 : 0xC0) + (low & 0x3F)));
        pos += 3;
        run = pos;
    }
    out.append(text, run, std::string_view::npos);
    return out;
}

bool hasEscapes(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const void* hit = std::memchr(text.data() + pos, '\xEF', text.size() - pos);
        if (!hit) return false;
        pos = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        if (isEscapeAt(text, pos)) return true;
    }
    return false;
}

}  // namespace sj::bytescape
