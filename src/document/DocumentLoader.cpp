#include "document/DocumentLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "document/DocumentSaver.h"
#include "document/LineBreakNormalizer.h"
#include "files/FileStatus.h"
#include "text/ByteEscapes.h"
#include "text/Cp850.h"
#include "text/Utf16.h"
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

std::string DocumentLoader::decode(std::string raw, bool oem, TextCharset& charset, bool& bom,
                                   std::size_t* invalidBytes, bool knownValid) {
    bom = false;
    if (invalidBytes) *invalidBytes = 0;
    if (oem) {
        charset = TextCharset::Cp850;
        return cp850::toUtf8(raw);
    }
    const std::size_t first = knownValid ? raw.size() : firstNonAscii(raw);
    const bool valid = first == raw.size() || utf8::isValid(std::string_view(raw).substr(first));
    bytescape::Census census;
    if (!valid) census = bytescape::census(std::string_view(raw).substr(first));
    // A few stray bytes in a file that is plainly UTF-8 must not turn all its
    // other characters into Windows-1252 ones.
    const bool mostlyUtf8 = !valid && census.multiByte > 0 && census.invalid <= census.multiByte &&
                            !census.holdsEscapes && invalidBytes;
    if (!valid && !mostlyUtf8) {
        charset = TextCharset::Windows1252;
        return windows1252ToUtf8(raw);
    }
    charset = TextCharset::Utf8;
    if (std::string_view(raw).substr(0, kBom.size()) == kBom) {
        bom = true;
        raw.erase(0, kBom.size());
    }
    if (valid) return raw;
    *invalidBytes = census.invalid;
    return bytescape::decode(raw);
}

bool DocumentLoader::looksBinary(std::string_view sample, std::size_t nulCount) {
    if (nulCount > 0) return true;
    std::size_t controls = 0;
    for (const char c : sample) {
        const auto b = static_cast<unsigned char>(c);
        // TAB, LF, VT, FF, CR and ESC turn up in text files; the rest do not.
        if (b < 0x20 && (b < '\t' || b > '\r') && b != 0x1B) ++controls;
    }
    return controls * 2 > sample.size();
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

std::string DocumentLoader::recodeRefusedMessage(std::string_view name, TextCharset current,
                                                 std::string_view text, std::size_t unmappable) {
    std::size_t at = std::min(unmappable, text.size());
    const char32_t ch = at < text.size() ? utf8::decode(text, at) : U'?';
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
    return "\"" + std::string(name) + "\" holds characters that its " + std::string(charsetName(current)) +
           " file could not have had (the first is " + code + " \"" + utf8::encode(ch) +
           "\"), so it cannot be read in the other character set. The character set was not changed.";
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

namespace {

// Reads fd to its end in chunks, handing each to sink. Stops when progress
// says so (cancelled) or reading fails (truncated).
struct ChunkReader {
    const LoadOptions& options;
    std::unique_ptr<char[]> buffer;
    std::size_t chunkSize;

    explicit ChunkReader(const LoadOptions& o) : options(o), chunkSize(o.chunkSize ? o.chunkSize : 1) {
        buffer.reset(new char[chunkSize]);
    }

    // sink returns false to stop reading.
    template <typename Sink, typename Step>
    std::uint64_t run(int fd, std::uint64_t limit, LoadResult& r, Sink&& sink, Step&& step) {
        std::uint64_t done = 0;
        while (!r.cancelled && done < limit) {
            const std::size_t want =
                static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize, limit - done));
            ssize_t n;
            do {
                n = options.readFn ? options.readFn(fd, buffer.get(), want) : ::read(fd, buffer.get(), want);
            } while (n < 0 && errno == EINTR);
            if (n < 0) {
                r.truncated = true;
                break;
            }
            if (n == 0) break;
            if (!sink(std::string_view(buffer.get(), static_cast<std::size_t>(n)))) break;
            done += static_cast<std::uint64_t>(n);
            if (!step(done)) r.cancelled = true;
        }
        return done;
    }
};

constexpr std::size_t kBinarySample = 1 << 16;

// Line format and whether a save would rewrite some breaks, from the counts.
void takeLineFormat(const LineBreakNormalizer& n, LoadResult& r) {
    const std::size_t crLf = n.crLfCount(), lf = n.loneLfCount(), cr = n.loneCrCount();
    if (crLf + lf + cr == 0) return;
    r.lineFormat = lf > crLf + cr ? 1 : 0;
    r.breaksRewritten = r.lineFormat == 1 ? (crLf + cr > 0) : (lf + cr > 0);
}

// Drops a UTF-16 unit cut in half, or a surrogate pair missing its second
// half, at the end of a load that stopped early.
void trimUtf16Tail(std::string& raw, utf16::Order order) {
    if (raw.size() % 2) raw.pop_back();
    if (raw.size() >= 4) {
        const auto hi = static_cast<unsigned char>(raw[raw.size() - (order == utf16::Order::Little ? 1 : 2)]);
        if (hi >= 0xD8 && hi <= 0xDB) raw.resize(raw.size() - 2);
    }
}

enum class Streamed { Done, TooLarge, ReadAgain };

// Reads a file that is UTF-8 as far as anyone knows into options.sink, in the
// one pass of the normaliser. Bytes that are not UTF-8, NUL bytes, or a sample
// that looks binary mean the text needs converting or keeping as it is: the
// sink drops what it has, and the file is read again the whole way.
Streamed streamText(int fd, const LoadOptions& options, LoadResult& r,
                    const std::function<bool(std::uint64_t)>& step) {
    LoadSink& sink = *options.sink;
    ChunkReader reader(options);
    LineBreakNormalizer normalizer;
    normalizer.setMarkBackspaces(options.checkBinaries);
    std::string out, sample;
    out.reserve(2 * reader.chunkSize + 16);
    bool begun = false, headSeen = false, sampleJudged = false, again = false, tooLarge = false,
         sinkFailed = false;
    std::uint64_t textBytes = 0, read = 0;
    const auto deliver = [&](std::string_view piece) {
        if (!begun) {
            // The first chunk tells how much the breaks add; a little over
            // is cheaper than the component growing its buffer later.
            const double growth =
                read > 0 ? static_cast<double>(out.size()) / static_cast<double>(read) : 1.0;
            const double expected = static_cast<double>(r.fileSize) * growth * 1.01 + 4096;
            begun = true;
            if (!sink.begin(static_cast<std::uint64_t>(expected))) return false;
        }
        if (!headSeen && !piece.empty()) {
            // The first bytes of the text come out together, a byte order mark whole.
            headSeen = true;
            if (piece.starts_with(kBom)) {
                r.bom = true;
                piece.remove_prefix(kBom.size());
            }
        }
        textBytes += piece.size();
        if (textBytes > DocumentLoader::kMaxTextSize) {
            tooLarge = true;
            return false;
        }
        if (!piece.empty() && !sink.append(piece)) {
            sinkFailed = true;
            return false;
        }
        return true;
    };
    const auto plainText = [&](bool atEnd) {
        if (normalizer.invalidUtf8() > 0 || normalizer.nulCount() > 0) return false;
        if (!sampleJudged && (sample.size() >= kBinarySample || atEnd)) {
            sampleJudged = true;
            if (DocumentLoader::looksBinary(sample, 0)) return false;
        }
        return true;
    };
    reader.run(
        fd, UINT64_MAX, r,
        [&](std::string_view chunk) {
            if (sample.size() < kBinarySample) sample.append(chunk.substr(0, kBinarySample - sample.size()));
            out.clear();
            normalizer.feed(chunk, out);
            read += chunk.size();
            if (!plainText(false)) {
                again = true;
                return false;
            }
            return deliver(out);
        },
        step);
    if (!again && !tooLarge && !sinkFailed) {
        out.clear();
        normalizer.finish(out, r.incomplete());
        again = !plainText(true);
        if (!again) deliver(out);
    }
    if (again || tooLarge) {
        if (begun) sink.discard();
        r.bom = false;
        return again ? Streamed::ReadAgain : Streamed::TooLarge;
    }
    if (!begun) sink.begin(0);
    // The component ran out of room: what it holds is kept, as after a read error.
    if (sinkFailed) r.truncated = true;
    r.streamed = true;
    r.charset = TextCharset::Utf8;
    takeLineFormat(normalizer, r);
    r.converted = options.checkBinaries ? normalizer.backspaceCount() : 0;
    r.characters = normalizer.characterCount() - (r.bom ? 1 : 0);
    return Streamed::Done;
}

}  // namespace

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
    r.identity = FileIdentity::of(st);
    r.fileSize = r.identity.size;
    r.fileTime = r.identity.modified;
    if (r.fileSize > kMaxFileSize) {
        ::close(fd);
        r.tooLarge = true;
        r.errors.push_back(tooLargeToOpenMessage(fileName));
        return r;
    }

    // A UTF-16 file is told by its first bytes; its line breaks are two bytes
    // wide, so they are found after decoding.
    char head[2];
    const ssize_t headSize = ::pread(fd, head, sizeof head, 0);
    const auto order =
        options.oem ? std::nullopt : utf16::orderOf(std::string_view(head, headSize > 0 ? headSize : 0));

    const bool showProgress = options.progress && needsProgress(r.fileSize);
    if (showProgress && !options.progress(0, r.fileSize)) r.cancelled = true;
    const auto step = [&](std::uint64_t done) { return !showProgress || options.progress(done, r.fileSize); };

    if (options.sink && !order && !options.oem) {
        const Streamed streamed = streamText(fd, options, r, step);
        if (streamed == Streamed::Done) {
            ::close(fd);
            r.ok = true;
            return r;
        }
        if (streamed == Streamed::TooLarge || ::lseek(fd, 0, SEEK_SET) != 0) {
            ::close(fd);
            const bool tooLarge = streamed == Streamed::TooLarge;
            r = LoadResult{};
            r.status = FileStatus::kUsable;
            r.tooLarge = tooLarge;
            r.errors.push_back(tooLarge ? tooLargeToOpenMessage(fileName) : loadFailedMessage(fileName));
            return r;
        }
        r.truncated = r.cancelled = false;
    }

    ChunkReader reader(options);
    std::string raw;
    raw.reserve(r.fileSize + (order ? 0 : r.fileSize / 32) + 64);
    LineBreakNormalizer normalizer;
    std::string sample;
    std::uint64_t done = 0;
    if (order) {
        done = reader.run(
            fd, UINT64_MAX, r,
            [&](std::string_view chunk) {
                raw.append(chunk);
                return true;
            },
            step);
    } else {
        done = reader.run(
            fd, UINT64_MAX, r,
            [&](std::string_view chunk) {
                if (sample.size() < kBinarySample)
                    sample.append(chunk.substr(0, kBinarySample - sample.size()));
                normalizer.feed(chunk, raw);
                return true;
            },
            step);
        normalizer.finish(raw, r.incomplete() && !options.oem);
    }

    std::optional<std::string> utf16Text;
    const utf16::Order byteOrder = order.value_or(utf16::Order::Little);
    if (order) {
        if (r.incomplete()) trimUtf16Tail(raw, byteOrder);
        if (raw.size() >= 2) utf16Text = utf16::toUtf8(std::string_view(raw).substr(2), byteOrder);
        // A file that announces UTF-16 but is not well-formed is kept byte
        // for byte, as a binary file.
        r.binary = !utf16Text;
    } else {
        r.binary = looksBinary(sample, normalizer.nulCount());
        if (r.binary && normalizer.loneLfCount() + normalizer.loneCrCount() > 0) {
            // The breaks were rewritten while reading; a binary file gets its
            // bytes back as they are, the same part of it as was read.
            raw.clear();
            bool failed = ::lseek(fd, 0, SEEK_SET) != 0;
            if (!failed) {
                LoadResult again;
                reader.run(
                    fd, done, again,
                    [&](std::string_view chunk) {
                        raw.append(chunk);
                        return true;
                    },
                    [](std::uint64_t) { return true; });
                failed = again.truncated;
            }
            if (failed) r.truncated = true;
        }
    }
    ::close(fd);

    if (utf16Text) {
        r.charset = byteOrder == utf16::Order::Little ? TextCharset::Utf16Le : TextCharset::Utf16Be;
        r.bom = true;
        raw = std::string();
        LineBreakNormalizer breaks;
        r.text.reserve(utf16Text->size() + utf16Text->size() / 32 + 16);
        breaks.feed(*utf16Text, r.text);
        breaks.finish(r.text);
        takeLineFormat(breaks, r);
        r.characters = breaks.characterCount();
    } else {
        if (!r.binary) takeLineFormat(normalizer, r);
        // A load cut short may end inside a UTF-8 sequence; that must not turn a
        // UTF-8 file into Windows-1252.
        if (r.incomplete() && !options.oem) {
            if (const std::size_t tail = incompleteTail(raw)) raw.erase(raw.size() - tail);
        }
        const bool valid = !options.oem && normalizer.invalidUtf8() == 0;
        r.text = decode(std::move(raw), options.oem, r.charset, r.bom, &r.invalidBytes, valid);
        if (options.checkBinaries && !r.binary) r.converted = replaceBinaries(r.text);
        // A middle dot for a backspace is still one character.
        if (valid && !r.binary) r.characters = normalizer.characterCount() - (r.bom ? 1 : 0);
    }
    if (r.text.size() > kMaxTextSize) {
        r = LoadResult{};
        r.status = FileStatus::kUsable;
        r.tooLarge = true;
        r.errors.push_back(tooLargeToOpenMessage(fileName));
        return r;
    }
    r.ok = true;
    return r;
}

SaveOptions LoadResult::writeBack(int lineFormatWithoutBreaks) const {
    SaveOptions o;
    o.lineFormat = lineFormat >= 0 ? lineFormat : lineFormatWithoutBreaks;
    o.charset = charset;
    o.bom = bom && charset == TextCharset::Utf8;
    o.keepBreaks = binary;
    o.byteEscapes = invalidBytes > 0;
    return o;
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

std::string DocumentLoader::tooLargeToOpenMessage(std::string_view fileName) {
    return "Error: \"" + std::string(fileName) +
           "\" is too large to open!\nThe editor holds files of up to 2 GB.";
}

std::string DocumentLoader::cancelledMessage(std::string_view fileName) {
    return "Loading \"" + std::string(fileName) +
           "\" was cancelled; only its first part is shown.\nIt can be saved only under another name.";
}

std::string DocumentLoader::binaryNotice(std::string_view fileName) {
    return "\"" + std::string(fileName) +
           "\" looks like a binary file, so it is opened read-only.\nIf you turn Read-Only off and save it, "
           "its bytes are written back unchanged.";
}

std::string DocumentLoader::invalidBytesNotice(std::string_view fileName, std::size_t count) {
    return "\"" + std::string(fileName) + "\" has " + std::to_string(count) +
           (count == 1 ? " byte that is" : " bytes that are") +
           " not UTF-8.\nThey are shown as placeholder characters and saved back as they were.";
}

std::string DocumentLoader::breaksRewrittenNotice(std::string_view fileName, int lineFormat) {
    return "\"" + std::string(fileName) +
           "\" has line breaks of more than one kind.\nA save writes every line "
           "break as " +
           (lineFormat == 1 ? "LF (UNIX)." : "CR LF.");
}

}  // namespace sj
