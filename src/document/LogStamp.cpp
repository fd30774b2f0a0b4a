#include "document/LogStamp.h"

#include <cstdio>

namespace sj {

bool LogStamp::isLogDocument(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view first = text.substr(0, end);
    if (first.size() != 4) return false;
    static constexpr char kWord[] = ".LOG";
    for (std::size_t i = 0; i < 4; ++i) {
        char c = first[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != kWord[i]) return false;
    }
    return true;
}

std::string LogStamp::tail(std::string_view textEnd, std::string_view stamp) {
    std::string t;
    if (!textEnd.ends_with("\r\n")) t += "\r\n";
    t += "\r\n";
    t += stamp;
    t += "\r\n";
    return t;
}

bool LogStamp::apply(std::string& text, std::string_view stamp) {
    if (!isLogDocument(text)) return false;
    text += tail(text, stamp);
    return true;
}

std::string LogStamp::defaultStamp(std::string_view shortDate, int hour, int minute) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", hour, minute);
    return ">> " + std::string(shortDate) + " " + time;
}

}  // namespace sj
