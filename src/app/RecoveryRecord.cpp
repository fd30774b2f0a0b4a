#include "app/RecoveryRecord.h"

#include <charconv>

namespace sj {

namespace {

std::string escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

template <typename T>
T number(std::string_view s) {
    T v{};
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

}  // namespace

std::string RecoveryRecord::header() const {
    std::string out(kMagic);
    auto field = [&out](std::string_view key, std::string_view value) {
        out.append(key).append("=").append(escaped(value)).append("\n");
    };
    field("file", fileName);
    field("title", title);
    field("charset", charset);
    field("bom", byteOrderMark ? "1" : "0");
    field("lineformat", std::to_string(lineFormat));
    field("saved", std::to_string(savedAt));
    out += "\n";
    return out;
}

std::optional<RecoveryRecord> RecoveryRecord::parse(std::string_view bytes, std::size_t* textOffset) {
    if (bytes.substr(0, kMagic.size()) != kMagic) return std::nullopt;
    RecoveryRecord r;
    std::size_t at = kMagic.size();
    for (;;) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty()) break;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;  // a later version's line
        const std::string_view key = line.substr(0, eq);
        const std::string value = unescaped(line.substr(eq + 1));
        if (key == "file")
            r.fileName = value;
        else if (key == "title")
            r.title = value;
        else if (key == "charset")
            r.charset = value;
        else if (key == "bom")
            r.byteOrderMark = value == "1";
        else if (key == "lineformat")
            r.lineFormat = number<int>(value) == 1 ? 1 : 0;
        else if (key == "saved")
            r.savedAt = number<std::int64_t>(value);
    }
    if (textOffset) *textOffset = at;
    return r;
}

}  // namespace sj
