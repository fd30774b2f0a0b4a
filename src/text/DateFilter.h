#pragma once
// The date and time pattern language of the DateFilter option, used by date insertion, the
// log stamp, clip date fields and print headers. Specifiers are ASCII letters in either case;
// a run of the same letter is one specifier:
//   c  d dd ddd dddd ddddd dddddd  m mm mmm mmmm  yy yyyy  h hh  n nn  s ss  t tt
//   am/pm a/p ampm  /  :  "text" 'text'
// Everything else is copied unchanged (UTF-8 passes through untouched).
#include <array>
#include <string>
#include <string_view>

namespace sj {

// Locale data the language needs. The four formats are themselves written in the filter
// language (for example "m/d/yyyy"); convertQtDateTimeFormat turns a Qt format into one.
struct LocaleNames {
    std::array<std::string, 12> longMonthNames;  // [0] = January
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 7> longDayNames;  // [0] = Monday ... [6] = Sunday
    std::array<std::string, 7> shortDayNames;
    std::string shortDateFormat;
    std::string longDateFormat;
    std::string shortTimeFormat;
    std::string longTimeFormat;
    std::string amDesignator;
    std::string pmDesignator;
    std::string dateSeparator;
    std::string timeSeparator;

    // United States English; a fixed reference for tests and a fallback.
    static LocaleNames english();
};

struct DateTimeParts {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 1 = Monday ... 7 = Sunday; 0 = work it out from the date
};

std::string formatDateFilter(std::string_view pattern, const DateTimeParts& when, const LocaleNames& names);

// The text Insert Date/Time writes: the filter when there is one, otherwise ">> ", the short
// date, a space and the time as hh:nn.
std::string dateStampText(std::string_view filter, const DateTimeParts& when, const LocaleNames& names);

// Qt date/time format ("dd.MM.yyyy", "h:mm AP") -> the filter language, so the GUI can fill
// LocaleNames from QLocale.
std::string convertQtDateTimeFormat(std::string_view qtFormat);

// The first separator between the fields of a Qt date or time format ("." for "dd.MM.yyyy"),
// or fallback when it has none.
std::string separatorOfQtFormat(std::string_view qtFormat, std::string_view fallback);

}  // namespace sj
