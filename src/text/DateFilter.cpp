#include "text/DateFilter.h"

#include <cstdio>

#include "text/AsciiCase.h"

namespace sj {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void appendNumber(std::string& out, int value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", digits, value);
    out += buf;
}

// Monday = 1 ... Sunday = 7 (Sakamoto's method gives Sunday = 0).
int weekday(const DateTimeParts& t) {
    if (t.dayOfWeek >= 1 && t.dayOfWeek <= 7) return t.dayOfWeek;
    static constexpr int kOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int m = (t.month >= 1 && t.month <= 12) ? t.month : 1;
    const int y = m < 3 ? t.year - 1 : t.year;
    const int sunday0 = ((y + y / 4 - y / 100 + y / 400 + kOffset[m - 1] + t.day) % 7 + 7) % 7;
    return sunday0 == 0 ? 7 : sunday0;
}

const std::string& pick(const std::array<std::string, 12>& names, int month) {
    static const std::string empty;
    return (month >= 1 && month <= 12) ? names[month - 1] : empty;
}

// Whether the h at pos reads as a 12-hour clock: an 'a' outside quotes before the next h.
bool twelveHourAhead(std::string_view p, std::size_t pos) {
    char quote = 0;
    for (; pos < p.size(); ++pos) {
        const char c = p[pos];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == 'a' || c == 'A') {
            return true;
        } else if (c == 'h' || c == 'H') {
            return false;
        }
    }
    return false;
}

// Nested locale formats may themselves name locale formats; two levels are plenty and stop
// a format that names itself from recursing forever.
constexpr int kMaxDepth = 3;

void format(std::string& out, std::string_view p, const DateTimeParts& t, const LocaleNames& n, int depth) {
    if (depth > kMaxDepth) return;
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = p.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? p.size() : close;
            out.append(p.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? p.size() : close + 1;
            continue;
        }
        if (c == '/') {
            out += n.dateSeparator;
            ++i;
            continue;
        }
        if (c == ':') {
            out += n.timeSeparator;
            ++i;
            continue;
        }
        if (!isAsciiLetter(c)) {
            out.push_back(c);
            ++i;
            continue;
        }
        char token = ascii::toUpper(c);
        if (token == 'A') {
            // am/pm and a/p keep the letters as the filter writes them.
            const bool pm = t.hour >= 12;
            if (ascii::startsWithIgnoringCase(p.substr(i), "am/pm")) {
                out.append(p.substr(pm ? i + 3 : i, 2));
                i += 5;
            } else if (ascii::startsWithIgnoringCase(p.substr(i), "a/p")) {
                out.append(p.substr(pm ? i + 2 : i, 1));
                i += 3;
            } else if (ascii::startsWithIgnoringCase(p.substr(i), "ampm")) {
                out += pm ? n.pmDesignator : n.amDesignator;
                i += 4;
            } else {
                out.push_back(c);
                ++i;
            }
            lastLetter = 'A';
            continue;
        }
        std::size_t run = 1;
        while (i + run < p.size() && ascii::toUpper(p[i + run]) == token) ++run;
        const int count = static_cast<int>(run);
        // Only a number can follow an hour as minutes; a month name after it is still a month.
        if (token == 'M' && lastLetter == 'H' && count <= 2) token = 'N';
        switch (token) {
            case 'C':
                format(out, n.shortDateFormat, t, n, depth + 1);
                if (t.hour || t.minute || t.second || t.millisecond) {
                    out.push_back(' ');
                    format(out, n.longTimeFormat, t, n, depth + 1);
                }
                break;
            case 'D':
                if (count <= 2)
                    appendNumber(out, t.day, count);
                else if (count == 3)
                    out += n.shortDayNames[weekday(t) - 1];
                else if (count == 4)
                    out += n.longDayNames[weekday(t) - 1];
                else
                    format(out, count == 5 ? n.shortDateFormat : n.longDateFormat, t, n, depth + 1);
                break;
            case 'M':
                if (count <= 2)
                    appendNumber(out, t.month, count);
                else
                    out += pick(count == 3 ? n.shortMonthNames : n.longMonthNames, t.month);
                break;
            case 'Y':
                if (count <= 2)
                    appendNumber(out, ((t.year % 100) + 100) % 100, 2);
                else
                    appendNumber(out, t.year, 4);
                break;
            case 'H': {
                int h = t.hour;
                if (twelveHourAhead(p, i + run)) {
                    if (h == 0)
                        h = 12;
                    else if (h > 12)
                        h -= 12;
                }
                appendNumber(out, h, count > 2 ? 2 : count);
                break;
            }
            case 'N':
                appendNumber(out, t.minute, count > 2 ? 2 : count);
                break;
            case 'S':
                appendNumber(out, t.second, count > 2 ? 2 : count);
                break;
            case 'T':
                format(out, count == 1 ? n.shortTimeFormat : n.longTimeFormat, t, n, depth + 1);
                break;
            default:
                out.append(p.substr(i, run));
                break;
        }
        lastLetter = token;
        i += run;
    }
}

}  // namespace

LocaleNames LocaleNames::english() {
    LocaleNames n;
    n.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    n.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    n.longDayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    n.shortDayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    n.shortDateFormat = "m/d/yyyy";
    n.longDateFormat = "dddd, mmmm d, yyyy";
    n.shortTimeFormat = "h:nn ampm";
    n.longTimeFormat = "h:nn:ss ampm";
    n.amDesignator = "AM";
    n.pmDesignator = "PM";
    n.dateSeparator = std::string(1, '/');  // single-character literals trip a GCC 12 false warning
    n.timeSeparator = std::string(1, ':');
    return n;
}

std::string formatDateFilter(std::string_view pattern, const DateTimeParts& when, const LocaleNames& names) {
    std::string out;
    out.reserve(pattern.size() * 2);
    format(out, pattern, when, names, 0);
    return out;
}

std::string dateStampText(std::string_view filter, const DateTimeParts& when, const LocaleNames& names) {
    if (!filter.empty()) return formatDateFilter(filter, when, names);
    std::string out = ">> ";
    format(out, names.shortDateFormat, when, names, 1);
    out.push_back(' ');
    appendNumber(out, when.hour, 2);
    out += names.timeSeparator;
    appendNumber(out, when.minute, 2);
    return out;
}

namespace {

void flushLiteral(std::string& out, std::string& literal) {
    if (literal.empty()) return;
    bool needsQuotes = false;
    for (const char c : literal)
        if (isAsciiLetter(c) || c == '/' || c == ':' || c == '"' || c == '\'') needsQuotes = true;
    if (!needsQuotes) {
        out += literal;
    } else {
        // A quoted run cannot hold its own quote character: split where needed.
        char quote = 0;
        for (const char c : literal) {
            const char want = c == '"' ? '\'' : (c == '\'' ? '"' : (quote ? quote : '"'));
            if (quote != want) {
                if (quote) out.push_back(quote);
                quote = want;
                out.push_back(quote);
            }
            out.push_back(c);
        }
        out.push_back(quote);
    }
    literal.clear();
}

}  // namespace

std::string convertQtDateTimeFormat(std::string_view q) {
    std::string out;
    std::string literal;
    std::size_t i = 0;
    while (i < q.size()) {
        const char c = q[i];
        if (c == '\'') {
            if (i + 1 < q.size() && q[i + 1] == '\'') {
                literal.push_back('\'');
                i += 2;
                continue;
            }
            ++i;
            while (i < q.size()) {
                if (q[i] == '\'') {
                    if (i + 1 < q.size() && q[i + 1] == '\'') {
                        literal.push_back('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal.push_back(q[i++]);
            }
            continue;
        }
        std::size_t run = 1;
        while (i + run < q.size() && q[i + run] == c) ++run;
        std::string field;
        switch (c) {
            case 'd':
                field.assign(run > 4 ? 4 : run, 'd');
                break;
            case 'M':
                field.assign(run > 4 ? 4 : run, 'm');
                break;
            case 'y':
                field = run <= 2 ? "yy" : "yyyy";
                break;
            case 'h':
            case 'H':
                field.assign(run > 2 ? 2 : run, 'h');
                break;
            case 'm':
                field.assign(run > 2 ? 2 : run, 'n');
                break;
            case 's':
                field.assign(run > 2 ? 2 : run, 's');
                break;
            case 'A':
            case 'a':
                field = "ampm";
                if (i + 1 < q.size() && (q[i + 1] == 'P' || q[i + 1] == 'p'))
                    run = 2;
                else
                    run = 1;
                break;
            case 'z':
            case 't':
                break;  // milliseconds and time zone have no counterpart
            default:
                literal.append(q.substr(i, run));
                i += run;
                continue;
        }
        flushLiteral(out, literal);
        out += field;
        i += run;
    }
    flushLiteral(out, literal);
    return out;
}

std::string separatorOfQtFormat(std::string_view q, std::string_view fallback) {
    std::size_t i = 0;
    // Skip the first field, then take everything up to the next one.
    while (i < q.size() && !isAsciiLetter(q[i])) ++i;
    while (i < q.size() && isAsciiLetter(q[i])) ++i;
    const std::size_t start = i;
    while (i < q.size() && !isAsciiLetter(q[i]) && q[i] != '\'') ++i;
    if (i == start || i == q.size()) return std::string(fallback);
    return std::string(q.substr(start, i - start));
}

}  // namespace sj
