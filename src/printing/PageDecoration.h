#pragma once
// The texts printed around the text of a page: header, footer and page number.
#include <string>
#include <string_view>

#include "printing/PrintSettings.h"
#include "text/DateFilter.h"

namespace sj {

struct PageDecoration {
    // The date of headers and footers: the filter, or without one the short
    // date, a blank and the time as hh:nn.
    static std::string dateText(std::string_view filter, const DateTimeParts& when, const LocaleNames& names);
    // Nothing, the date, the title, "[date] title" or "title [date]".
    static std::string infoText(PageInfo info, std::string_view date, std::string_view title);
    // The header, or nothing when the page number takes its place (top left
    // or top centre); the same for the footer at the bottom.
    static std::string headerText(const PrintSettings& s, std::string_view date);
    static std::string footerText(const PrintSettings& s, std::string_view date);
    // "%d" (either case) stands for the number; an empty format gives the
    // bare number, framed by em dashes when centred. At most 20 characters.
    static std::string numberText(std::string_view format, int number, PageNumberPosition position);
};

}  // namespace sj
