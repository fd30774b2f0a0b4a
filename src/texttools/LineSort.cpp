#include "texttools/LineSort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text/Collation.h"

namespace sj {

namespace {

struct SortEntry {
    std::uint64_t prefix;  // the first eight key bytes, big-endian: settles most comparisons
    const char* key;
    std::uint32_t keyLength;
    std::uint32_t line;
};

std::uint64_t keyPrefix(const char* key, std::size_t length) {
    std::uint64_t p = 0;
    const std::size_t n = std::min<std::size_t>(length, 8);
    for (std::size_t i = 0; i < n; ++i)
        p |= std::uint64_t(static_cast<unsigned char>(key[i])) << (56 - 8 * i);
    return p;
}

bool entryLess(const SortEntry& a, const SortEntry& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    if (a.keyLength > 8 || b.keyLength > 8) {
        const std::size_t common = std::min(a.keyLength, b.keyLength);
        if (common > 8) {
            const int c = std::memcmp(a.key + 8, b.key + 8, common - 8);
            if (c != 0) return c < 0;
        }
    }
    if (a.keyLength != b.keyLength) return a.keyLength < b.keyLength;
    return a.line < b.line;  // equal lines keep their order
}

}  // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    const char* data = text.data();
    const std::size_t n = text.size();
    std::size_t pos = 0;
    while (pos < n) {
        const void* lf = std::memchr(data + pos, '\n', n - pos);
        const std::size_t lfPos = lf ? static_cast<const char*>(lf) - data : n;
        const void* cr = std::memchr(data + pos, '\r', lfPos - pos);
        const std::size_t brk = cr ? static_cast<const char*>(cr) - data : lfPos;
        lines.emplace_back(data + pos, brk - pos);
        if (brk >= n) break;
        pos = brk + ((data[brk] == '\r' && brk + 1 < n && data[brk + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::optional<std::string> sortLines(std::string_view text, const LocaleCollator* collator) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() < 2) return std::nullopt;

    // One key per line, computed once; all keys live in one buffer.
    std::string keys;
    std::vector<std::size_t> keyEnds;
    if (collator) {
        keys.reserve(text.size() * 2);
        keyEnds.reserve(lines.size());
        for (std::string_view line : lines) {
            collator->appendSortKey(line, keys);
            keyEnds.push_back(keys.size());
        }
    }
    std::vector<SortEntry> entries(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const char* key = lines[i].data();
        std::size_t length = lines[i].size();
        if (collator) {
            const std::size_t begin = i ? keyEnds[i - 1] : 0;
            key = keys.data() + begin;
            length = keyEnds[i] - begin;
        }
        entries[i] = {keyPrefix(key, length), key, static_cast<std::uint32_t>(length),
                      static_cast<std::uint32_t>(i)};
    }
    std::sort(entries.begin(), entries.end(), entryLess);

    std::string out;
    out.reserve(text.size() + 2);
    for (const SortEntry& e : entries) {
        out += lines[e.line];
        out += "\r\n";
    }
    return out;
}

}  // namespace sj
