#include "document/DocumentSaver.h"

#include <cstdio>
#include <cstring>

#include "document/LineBreakNormalizer.h"
#include "files/FileStatus.h"
#include "files/FileUtils.h"
#include "files/SafeFileWriter.h"
#include "text/ByteEscapes.h"
#include "text/Cp850.h"
#include "text/Utf16.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {

namespace {

// True when every line break is CR LF and the text ends with one: what a
// whole save in the editor's own form would write unchanged.
bool writableAsIs(std::string_view text) {
    if (!text.ends_with("\r\n")) return false;
    std::size_t crs = 0;
    for (const char *p = text.data(), *end = p + text.size();;) {
        p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
        if (!p) break;
        if (p + 1 == end || p[1] != '\n') return false;
        ++crs;
        p += 2;
    }
    std::size_t lfs = 0;
    for (const char *p = text.data(), *end = p + text.size();; ++p, ++lfs) {
        p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!p) break;
    }
    return lfs == crs;
}

}  // namespace

std::optional<std::string> DocumentSaver::encode(std::string_view text, const SaveOptions& options,
                                                 std::size_t* unmappable) {
    // Line breaks are ASCII in every supported character set, so the
    // character set goes first and an unmappable offset points into text.
    if (isUtf16(options.charset)) {
        // Line breaks first, in UTF-8, where they are single bytes.
        SaveOptions inner = options;
        inner.charset = TextCharset::Utf8;
        inner.bom = false;
        inner.byteEscapes = false;
        const auto bytes = encode(text, inner, unmappable);
        return utf16::fromUtf8(
            *bytes, options.charset == TextCharset::Utf16Le ? utf16::Order::Little : utf16::Order::Big);
    }
    std::optional<std::string> converted;
    switch (options.charset) {
        case TextCharset::Utf8:
        case TextCharset::Utf16Le:
        case TextCharset::Utf16Be:
            break;
        case TextCharset::Windows1252:
            converted = cp1252::fromUtf8(text, unmappable);
            if (!converted) return std::nullopt;
            break;
        case TextCharset::Cp850:
            converted = cp850::fromUtf8(text, unmappable);
            if (!converted) return std::nullopt;
            break;
    }
    const std::string_view src = converted ? std::string_view(*converted) : text;
    std::string bytes;
    if (options.keepBreaks) {
        bytes = std::string(src);
    } else if (options.lineFormat == 1) {
        bytes = LineBreakNormalizer::toUnix(src);
    } else if (options.whole && !src.empty() && !writableAsIs(src)) {
        // Every line of the text followed by CR LF: a final break is kept and
        // never doubled, a last line without one gains one.
        bytes = LineBreakNormalizer::normalize(src);
        if (!std::string_view(bytes).ends_with("\r\n")) bytes += "\r\n";
    } else {
        bytes = converted ? std::move(*converted) : std::string(text);
    }
    if (options.charset == TextCharset::Utf8 && options.byteEscapes) bytes = bytescape::restore(bytes);
    if (options.charset == TextCharset::Utf8 && options.bom) bytes.insert(0, "\xEF\xBB\xBF");
    return bytes;
}

SaveResult DocumentSaver::save(const std::string& target, std::string_view text, const SaveOptions& options) {
    SaveResult r;
    const int status = FileStatus::of(target);
    if (status == FileStatus::kCannotOpen) {
        r.status = SaveStatus::CannotOpen;
        r.message = FileStatus::message(status, target);
        return r;
    }
    if (status == FileStatus::kUsable && FileStatus::isReadOnly(target)) {
        r.status = SaveStatus::ReadOnly;
        r.message = readOnlyMessage(target);
        return r;
    }
    // Encoding is checked before anything on the disk is touched (backup included).
    // The usual case, a UTF-8 document with CR LF breaks, is written straight
    // from the editor's buffer without a copy.
    std::size_t bad = 0;
    std::optional<std::string> encoded;
    std::string_view bytes = text;
    const bool asIs = options.charset == TextCharset::Utf8 && !options.bom && !options.byteEscapes &&
                      (options.keepBreaks ||
                       (options.lineFormat != 1 && (!options.whole || text.empty() || writableAsIs(text))));
    if (!asIs) {
        encoded = encode(text, options, &bad);
        if (encoded) bytes = *encoded;
    }
    if (!asIs && !encoded) {
        r.status = SaveStatus::Unmappable;
        r.unmappableOffset = bad;
        std::size_t pos = bad;
        r.unmappableChar = utf8::decode(text, pos);
        r.message = unmappableQuestion(target, options.charset, r.unmappableChar);
        return r;
    }
    SafeWriteOptions w;
    if (options.makeBackups) w.backupName = fileutils::backupName(target, options.backupsWithBak);
    w.sync = options.sync;
    w.writeFn = options.writeFn;
    const SafeWriteResult written = SafeFileWriter::write(target, bytes, w);
    r.backupMade = written.backupMade;
    r.backupFailed = written.backupFailed;
    if (!written.ok) {
        r.status = SaveStatus::WriteFailed;
        r.message = writeFailedMessage(target, written.error, written.unchanged, written.rescueName);
        return r;
    }
    r.status = SaveStatus::Saved;
    r.fileTime = written.fileTime;
    return r;
}

std::string DocumentSaver::readOnlyMessage(std::string_view target) {
    return "Error: \"" + std::string(target) + "\" is marked as Read-Only!";
}

std::string DocumentSaver::writeFailedMessage(std::string_view target, int error, bool unchanged,
                                              std::string_view rescueName) {
    std::string m =
        "Error: could not save \"" + std::string(target) + "\"!\n" + SafeFileWriter::describeError(error);
    if (unchanged) return m + " The file on the disk is unchanged.";
    if (rescueName.empty())
        return m + " The file on the disk may be damaged; the text is still in the editor.";
    return m + " The file on the disk may be damaged; its old contents are in \"" + std::string(rescueName) +
           "\".";
}

std::string DocumentSaver::unmappableQuestion(std::string_view target, TextCharset charset, char32_t ch) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
    std::string m = "\"";
    m += target;
    m += "\" contains characters that the ";
    m += charsetName(charset);
    m += " character set cannot hold (the first is ";
    m += code;
    m += " \"";
    m += utf8::encode(ch);
    m += "\").\nSave it as UTF-8 instead?";
    return m;
}

}  // namespace sj
