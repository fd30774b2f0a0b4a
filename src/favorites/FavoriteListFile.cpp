#include "favorites/FavoriteListFile.h"

#include <fstream>
#include <iterator>

#include "files/SafeFileWriter.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace sj {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

FavoriteListFile::Contents FavoriteListFile::parse(std::string_view bytes) {
    Contents out;
    std::string text;
    if (bytes.starts_with(kBom) && utf8::isValid(bytes)) {
        out.charset = Charset::Utf8WithBom;
        text.assign(bytes.substr(kBom.size()));
    } else if (utf8::isValid(bytes)) {
        text.assign(bytes);
    } else {
        // Every byte value has a character here, so every entry comes back as read.
        out.charset = Charset::Windows1252;
        text = cp1252::toUtf8(bytes);
    }
    out.entries = splitLines(text);
    return out;
}

std::string FavoriteListFile::format(const std::vector<std::string>& entries, Charset charset) {
    std::size_t size = 0;
    for (const std::string& e : entries) size += e.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& e : entries) {
        text += e;
        text += "\r\n";
    }
    if (charset == Charset::Windows1252) {
        if (auto bytes = cp1252::fromUtf8(text)) return std::move(*bytes);
        return text;
    }
    return charset == Charset::Utf8WithBom ? std::string(kBom) + text : text;
}

FavoriteListFile::Contents FavoriteListFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return parse(bytes);
}

std::string FavoriteListFile::save(const std::string& path, const std::vector<std::string>& entries,
                                   Charset charset) {
    const SafeWriteResult r = SafeFileWriter::write(path, format(entries, charset));
    return r.ok ? std::string() : SafeFileWriter::describeError(r.error);
}

}  // namespace sj
