#include "document/DocumentLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "document/DocumentSaver.h"
#include "document/LineBreakNormalizer.h"
#include "files/FileStatus.h"
#include "text/Cp850.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kMiddleDot = "\xC2\xB7";

// Offset of the first byte >= 0x80, scanning eight bytes at a time.
std::size_t firstNonAscii(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        if (w & 0x8080808080808080ull) break;
    }
    for (; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80) return i;
    return n;
}

// Windows-1252 to UTF-8 through a table of each byte's UTF-8 form, so a big
// file costs one table look-up per byte.
std::string windows1252ToUtf8(std::string_view raw) {
    struct Entry {
        char bytes[3];
        unsigned char len;
    };
    static const auto table = [] {
        std::array<Entry, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const std::string u = utf8::encode(cp1252::toUnicode(static_cast<unsigned char>(b)));
            t[b].len = static_cast<unsigned char>(u.size());  // 1 for ASCII
            std::memcpy(t[b].bytes, u.data(), u.size());
        }
        return t;
    }();
    // Exact size first: a generous guess would cost a page fault per page.
    std::size_t size = 0;
    for (const char c : raw) size += table[static_cast<unsigned char>(c)].len;
    std::string out;
    out.resize(size + 2);  // the copy below may write up to 2 bytes past the end
    char* o = out.data();
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *o++ = c;
        } else {
            const Entry& e = table[b];
            std::memcpy(o, e.bytes, 3);
            o += e.len;
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

std::size_t countByte(std::string_view s, char byte) {
    std::size_t n = 0;
    const char* p = s.data();
    const char* const end = p + s.size();
    while (p < end) {
        p = static_cast<const char*>(std::memchr(p, byte, static_cast<std::size_t>(end - p)));
        if (!p) break;
        ++n;
        ++p;
    }
    return n;
}

// Length of an incomplete UTF-8 sequence at the very end of s (0 when none).
std::size_t incompleteTail(std::string_view s) {
    for (std::size_t back = 1; back <= 3 && back <= s.size(); ++back) {
        const auto c = static_cast<unsigned char>(s[s.size() - back]);
        if (!utf8::isContinuation(c)) {
            return (c >= 0xC0 && utf8::seqLength(c) > back) ? back : 0;
        }
    }
    return 0;
}

}  // namespace

std::string DocumentLoader::decode(std::string raw, bool oem, TextCharset& charset, bool& bom) {
    bom = false;
    if (oem) {
        charset = TextCharset::Cp850;
        return cp850::toUtf8(raw);
    }
    const std::size_t first = firstNonAscii(raw);
    if (first == raw.size() || utf8::isValid(std::string_view(raw).substr(first))) {
        charset = TextCharset::Utf8;
        if (std::string_view(raw).substr(0, kBom.size()) == kBom) {
            bom = true;
            raw.erase(0, kBom.size());
        }
        return raw;
    }
    charset = TextCharset::Windows1252;
    return windows1252ToUtf8(raw);
}

std::optional<std::string> DocumentLoader::recode(std::string_view text, TextCharset current, bool oem,
                                                  TextCharset& charset, std::size_t* unmappable) {
    SaveOptions asIs;
    asIs.whole = false;
    asIs.charset = current;
    auto bytes = DocumentSaver::encode(text, asIs, unmappable);
    if (!bytes) return std::nullopt;
    bool bom = false;
    return decode(std::move(*bytes), oem, charset, bom);
}

std::size_t DocumentLoader::replaceBinaries(std::string& text) {
    // memchr scans far faster than a byte loop, and text files hold neither byte.
    const std::size_t count = countByte(text, '\0') + countByte(text, '\b');
    if (count == 0) return 0;
    std::string out;
    out.reserve(text.size() + count);
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0' || text[i] == '\b') {
            out.append(text, run, i - run);
            out.append(kMiddleDot);
            run = i + 1;
        }
    }
    out.append(text, run, std::string::npos);
    text = std::move(out);
    return count;
}

LoadResult DocumentLoader::load(const std::string& fileName, const LoadOptions& options) {
    LoadResult r;
    r.status = FileStatus::of(fileName);
    if (r.status != FileStatus::kUsable) {
        r.errors.push_back(FileStatus::message(r.status, fileName));
        r.errors.push_back(loadFailedMessage(fileName));
        return r;
    }
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        r.status = FileStatus::kCannotOpen;
        r.errors.push_back(FileStatus::message(r.status, fileName));
        r.errors.push_back(loadFailedMessage(fileName));
        return r;
    }
    r.fileSize = static_cast<std::uint64_t>(st.st_size);
    r.fileTime = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;

    const bool showProgress = options.progress && needsProgress(r.fileSize);
    if (showProgress && !options.progress(0, r.fileSize)) r.cancelled = true;

    const std::size_t chunkSize = options.chunkSize ? options.chunkSize : 1;
    std::unique_ptr<char[]> buffer(new char[chunkSize]);
    std::string raw;
    raw.reserve(r.fileSize + r.fileSize / 32 + 64);
    LineBreakNormalizer normalizer;
    std::uint64_t done = 0;
    while (!r.cancelled) {
        ssize_t n;
        do {
            n = options.readFn ? options.readFn(fd, buffer.get(), chunkSize)
                               : ::read(fd, buffer.get(), chunkSize);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            r.truncated = true;
            break;
        }
        if (n == 0) break;
        normalizer.feed(std::string_view(buffer.get(), static_cast<std::size_t>(n)), raw);
        done += static_cast<std::uint64_t>(n);
        if (showProgress && !options.progress(done, r.fileSize)) r.cancelled = true;
    }
    ::close(fd);
    normalizer.finish(raw);
    r.unixLineBreaks = normalizer.sawLoneLf() && !normalizer.sawCrLf() && !normalizer.sawLoneCr();

    // A load cut short may end inside a UTF-8 sequence; that must not turn a
    // UTF-8 file into Windows-1252.
    if (r.incomplete() && !options.oem) {
        if (const std::size_t tail = incompleteTail(raw)) raw.erase(raw.size() - tail);
    }

    r.text = decode(std::move(raw), options.oem, r.charset, r.bom);
    if (options.checkBinaries) r.converted = replaceBinaries(r.text);
    r.ok = true;
    return r;
}

std::string DocumentLoader::progressCaption(std::string_view name) {
    return "Loading \"" + std::string(name) + "\" ...";
}

std::string DocumentLoader::loadFailedMessage(std::string_view name) {
    return "Error: Cannot open \"" + std::string(name) + "\"!";
}

std::string DocumentLoader::binaryWarning(std::string_view name, std::size_t count) {
    return "Warning: \"" + std::string(name) + "\" may be a binary file!\n" + std::to_string(count) +
           " non-text characters have been converted to '\xC2\xB7' (Alt+0183)";
}

std::string DocumentLoader::tooLargeMessage(std::string_view fileName) {
    const std::size_t slash = fileName.rfind('/');
    const std::string_view bare = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    return "File \"" + std::string(bare) +
           "\" is too large to load completely!\nEditing will not be possible.";
}

std::string DocumentLoader::reloadFailedMessage() {
    return "Error: Could not open last saved copy of current document!";
}

}  // namespace sj
