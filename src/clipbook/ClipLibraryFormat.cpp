#include "clipbook/ClipLibraryFormat.h"

#include <charconv>

#include "text/AsciiCase.h"

namespace sj {
namespace {

// Calls fn(line) for every line; a last line without a line end counts.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            fn(text.substr(pos));
            return;
        }
        fn(text.substr(pos, end - pos));
        pos = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
}

bool isTitleLine(std::string_view line) {
    return line.size() >= 2 && (line[0] == 'H' || line[0] == 'h') && line[1] == '=';
}

// Decimal integer or 0, like a lenient string-to-int with a default.
int parseTabWidth(std::string_view s) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    int value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size() || s.empty()) return 0;
    return value;
}

void parseHeader(std::string_view rest, ClipLibraryData& data) {
    const std::string upper = ascii::upperCopy(rest);
    data.multiLine = upper.find("MULTILINE") != std::string::npos;
    data.sorted = upper.find("NOSORTING") == std::string::npos;
    data.tabWidth = 30;
    data.exactLines = upper.find("EXACTLINES") != std::string::npos;
    static constexpr std::string_view kTab = "TABWIDTH=";
    std::size_t at = upper.find(kTab);
    if (at != std::string::npos) {
        std::size_t from = at + kTab.size();
        std::size_t to = upper.find(' ', from);
        data.tabWidth =
            parseTabWidth(std::string_view(upper).substr(from, to == std::string::npos ? to : to - from));
    }
}

void appendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

// A title cannot hold a line break in the file; one that slipped in becomes a blank.
std::string titleForFile(std::string_view title) {
    std::string t(title);
    for (char& c : t)
        if (c == '\r' || c == '\n') c = ' ';
    return t;
}

// Body segments between line breaks; a lone CR or LF counts as a break too,
// since a line of the file could not hold it anyway.
std::vector<std::string_view> splitBody(std::string_view body) {
    std::vector<std::string_view> segs;
    std::size_t pos = 0;
    for (;;) {
        std::size_t end = body.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            segs.push_back(body.substr(pos));
            return segs;
        }
        segs.push_back(body.substr(pos, end - pos));
        pos = end + ((body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n') ? 2 : 1);
    }
}

void formatMultiLineItem(std::string& out, const ClipItem& item) {
    const std::string& body = item.body.text();
    if (!body.empty()) {
        std::vector<std::string_view> segs = splitBody(body);
        const std::string title = titleForFile(item.title);
        // The first line doubles as the title only when reading it back gives both again.
        bool needTitleLine = segs[0] != title || segs[0].empty() || isTitleLine(segs[0]);
        if (needTitleLine) {
            out.append("H=");
            appendLine(out, title);
        }
        std::size_t i = 1;
        if (segs[0].empty()) {
            // A "." right after the title line stands for a leading empty line
            // together with the break after the next segment.
            appendLine(out, ".");
            if (segs.size() > 1 && segs[1].empty()) i = 2;
        } else {
            appendLine(out, segs[0]);
        }
        // Each further segment is one line; an empty one (including the one after a
        // final line break) is written as ".", so every trailing break survives.
        for (; i < segs.size(); ++i) appendLine(out, segs[i].empty() ? std::string_view(".") : segs[i]);
    }
    out.append("\r\n");
}

// The exact form: a title line, then every body line with "." for an empty
// one and a dot in front of one that starts with a dot.
void formatExactItem(std::string& out, const ClipItem& item) {
    const std::string& body = item.body.text();
    if (body.empty()) return;
    out.append("H=");
    appendLine(out, titleForFile(item.title));
    for (std::string_view seg : splitBody(body)) {
        if (seg.empty() || seg[0] == '.') out.push_back('.');
        appendLine(out, seg);
    }
    out.append("\r\n");
}

std::string formatItems(const ClipLibraryData& data, bool multi, bool exact) {
    std::size_t estimate = 64;
    for (const ClipItem& item : data.items) estimate += item.title.size() + item.body.text().size() + 16;
    std::string out;
    out.reserve(estimate);
    std::string header = clipLibraryHeader(multi, data.sorted, data.tabWidth);
    if (exact) header += " ExactLines";
    appendLine(out, header);
    out.append("\r\n");
    for (const ClipItem& item : data.items) {
        if (exact)
            formatExactItem(out, item);
        else if (multi)
            formatMultiLineItem(out, item);
        else
            appendLine(out, item.body.text());
    }
    return out;
}

}  // namespace

void parseClipLibrary(std::string_view text, ClipLibraryData& data) {
    bool first = true;
    bool inItem = false;
    std::string title;
    std::string body;

    bool firstLine = false;  // exact form: the next line is the body's first
    auto finishItem = [&] {
        if (!body.empty()) data.items.emplace_back(std::move(title), std::move(body));
        title.clear();
        body.clear();
        inItem = false;
    };

    bool headerSeen = !text.empty() && text[0] == '=';
    if (!headerSeen) data.multiLine = false;

    forEachLine(text, [&](std::string_view line) {
        if (first) {
            first = false;
            if (headerSeen) {
                parseHeader(line.substr(1), data);
                return;
            }
        }
        if (!data.multiLine) {
            if (!line.empty()) data.items.emplace_back(std::string(line), std::string(line));
            return;
        }
        if (!inItem) {
            if (line.empty()) return;
            if (isTitleLine(line)) {
                title.assign(line.substr(2));
                firstLine = true;
            } else {
                title.assign(line);
                body.assign(line);
                firstLine = false;
            }
            inItem = true;
            return;
        }
        if (line.empty()) {
            finishItem();
        } else if (data.exactLines) {
            // Every line is one line of the body: even an empty first one.
            if (!firstLine) body.append("\r\n");
            firstLine = false;
            body.append(line.substr(line[0] == '.' ? 1 : 0));
        } else if (line == ".") {
            body.append("\r\n");
        } else {
            if (!body.empty()) body.append("\r\n");
            body.append(line);
        }
    });
    if (inItem) finishItem();
}

std::string clipLibraryHeader(bool multiLine, bool sorted, int tabWidth) {
    std::string h;
    if (multiLine) h = "=MultiLine";
    if (!sorted) h += h.empty() ? "=NoSorting" : " NoSorting";
    h += h.empty() ? "=TabWidth=" : " TabWidth=";
    h += std::to_string(tabWidth);
    return h;
}

bool fitsSingleLineForm(const std::vector<ClipItem>& items) {
    for (const ClipItem& item : items) {
        const std::string& body = item.body.text();
        if (body.empty()) continue;
        if (item.title != body || body.find_first_of("\r\n") != std::string::npos) return false;
    }
    return true;
}

std::string formatClipLibrary(const ClipLibraryData& data, bool* usedMultiLine) {
    const bool multi = data.multiLine || !fitsSingleLineForm(data.items);
    if (usedMultiLine) *usedMultiLine = multi;
    std::string out = formatItems(data, multi, false);
    if (!multi) return out;
    // The older form cannot say every body (a single empty first line, a line
    // that is just "."): read it back and fall back to the exact form when any
    // item came back different.
    ClipLibraryData back;
    parseClipLibrary(out, back);
    std::vector<const ClipItem*> kept;
    for (const ClipItem& item : data.items)
        if (!item.body.empty()) kept.push_back(&item);
    bool same = back.items.size() == kept.size();
    for (std::size_t i = 0; same && i < kept.size(); ++i)
        same = back.items[i].body == kept[i]->body && back.items[i].title == titleForFile(kept[i]->title);
    return same ? out : formatItems(data, true, true);
}

}  // namespace sj
