#include "printing/PageDecoration.h"

#include "text/Utf8.h"

namespace sj {

std::string PageDecoration::dateText(std::string_view filter, const DateTimeParts& when,
                                     const LocaleNames& names) {
    if (!filter.empty()) return formatDateFilter(filter, when, names);
    return formatDateFilter(names.shortDateFormat, when, names) + " " +
           formatDateFilter("hh:nn", when, names);
}

std::string PageDecoration::infoText(PageInfo info, std::string_view date, std::string_view title) {
    switch (info) {
        case PageInfo::None:
            return {};
        case PageInfo::Date:
            return std::string(date);
        case PageInfo::Title:
            return std::string(title);
        case PageInfo::DateTitle:
            return "[" + std::string(date) + "] " + std::string(title);
        case PageInfo::TitleDate:
            return std::string(title) + " [" + std::string(date) + "]";
    }
    return {};
}

std::string PageDecoration::headerText(const PrintSettings& s, std::string_view date) {
    if (s.pageNumbers == PageNumberPosition::TopLeft || s.pageNumbers == PageNumberPosition::TopCenter)
        return {};
    return infoText(s.pageHeader, date, s.title);
}

std::string PageDecoration::footerText(const PrintSettings& s, std::string_view date) {
    if (s.pageNumbers == PageNumberPosition::BottomLeft || s.pageNumbers == PageNumberPosition::BottomCenter)
        return {};
    return infoText(s.pageFooter, date, s.title);
}

std::string PageDecoration::numberText(std::string_view format, int number, PageNumberPosition position) {
    const std::string digits = std::to_string(number);
    std::string text;
    if (format.empty()) {
        const bool centred =
            position == PageNumberPosition::TopCenter || position == PageNumberPosition::BottomCenter;
        text = centred ? "\u2014 " + digits + " \u2014" : digits;
    } else {
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] == '%' && i + 1 < format.size()) {
                const char next = format[i + 1];
                if (next == 'd' || next == 'D') {
                    text += digits;
                    ++i;
                    continue;
                }
                if (next == '%') {
                    text += '%';
                    ++i;
                    continue;
                }
            }
            text += format[i];
        }
    }
    std::size_t pos = 0;
    for (std::size_t n = 0; n < PrintSettings::kMaxNumberFormat && pos < text.size(); ++n)
        utf8::decode(text, pos);
    return text.substr(0, pos);
}

}  // namespace sj
