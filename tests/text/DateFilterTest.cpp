#include <gtest/gtest.h>

#include "text/DateFilter.h"

using namespace sj;

namespace {

DateTimeParts at(int y, int mo, int d, int h, int mi, int s = 0) {
    DateTimeParts t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    return t;
}

std::string fmt(std::string_view pattern, const DateTimeParts& t) {
    return formatDateFilter(pattern, t, LocaleNames::english());
}

}  // namespace

TEST(DateFilter, LongDateWithNamesAndUnpaddedDay) {
    // 5 March 2024 was a Tuesday; the weekday is worked out when not given.
    EXPECT_EQ(fmt("dddd, mmmm d, yyyy", at(2024, 3, 5, 9, 0)), "Tuesday, March 5, 2024");
    EXPECT_EQ(fmt("ddd dd mmm yy", at(2024, 3, 5, 9, 0)), "Tue 05 Mar 24");
    EXPECT_EQ(fmt("DDDD MMMM", at(2000, 1, 1, 0, 0)), "Saturday January");
    DateTimeParts given = at(2024, 3, 5, 9, 0);
    given.dayOfWeek = 7;
    EXPECT_EQ(fmt("dddd", given), "Sunday");
}

TEST(DateFilter, TwelveHourClockAndAmPmKeepFilterCase) {
    EXPECT_EQ(fmt("hh:nn am/pm", at(2024, 1, 1, 14, 5)), "02:05 pm");
    EXPECT_EQ(fmt("h:nn AM/PM", at(2024, 1, 1, 0, 7)), "12:07 AM");
    EXPECT_EQ(fmt("h:nn Am/pM", at(2024, 1, 1, 12, 0)), "12:00 pM");
    EXPECT_EQ(fmt("h a/p", at(2024, 1, 1, 23, 0)), "11 p");
    EXPECT_EQ(fmt("h ampm", at(2024, 1, 1, 9, 0)), "9 AM");
    // Without an a later on, or with the a only in quotes, the clock is 24-hour.
    EXPECT_EQ(fmt("hh:nn", at(2024, 1, 1, 14, 5)), "14:05");
    EXPECT_EQ(fmt("hh 'am'", at(2024, 1, 1, 14, 5)), "14 am");
    // The look-ahead stops at the next h: only the second hour is 12-hour.
    EXPECT_EQ(fmt("hh hh am/pm", at(2024, 1, 1, 14, 5)), "14 02 pm");
}

TEST(DateFilter, MonthLetterAfterHourMeansMinutes) {
    EXPECT_EQ(fmt("hh:mm", at(2024, 7, 1, 14, 5)), "14:05");
    EXPECT_EQ(fmt("mm/dd hh:mm", at(2024, 7, 1, 14, 5)), "07/01 14:05");
    EXPECT_EQ(fmt("h m", at(2024, 7, 1, 14, 5)), "14 5");
    EXPECT_EQ(fmt("m", at(2024, 7, 1, 14, 5)), "7");
}

TEST(DateFilter, MonthNamesAfterHourStayMonths) {
    EXPECT_EQ(fmt("hh mmmm d", at(2024, 12, 8, 14, 5)), "14 December 8");
    EXPECT_EQ(fmt("hmmm", at(2024, 12, 8, 14, 5)), "14Dec");
    // A month name in between does not turn a later mm back into a month.
    EXPECT_EQ(fmt("hh mmm mm", at(2024, 12, 8, 14, 5)), "14 Dec 12");
}

TEST(DateFilter, YearsSecondsAndLocaleFormats) {
    const auto t = at(2007, 12, 8, 14, 5, 9);
    EXPECT_EQ(fmt("y yy yyy yyyy", t), "07 07 2007 2007");
    EXPECT_EQ(fmt("s ss n nn", t), "9 09 5 05");
    EXPECT_EQ(fmt("ddddd", t), "12/8/2007");
    EXPECT_EQ(fmt("dddddd", t), "Saturday, December 8, 2007");
    EXPECT_EQ(fmt("t|tt", t), "2:05 PM|2:05:09 PM");
    EXPECT_EQ(fmt("c", t), "12/8/2007 2:05:09 PM");
    EXPECT_EQ(fmt("c", at(2007, 12, 8, 0, 0)), "12/8/2007");  // midnight: no time
}

TEST(DateFilter, SeparatorsQuotesAndLiterals) {
    LocaleNames de = LocaleNames::english();
    de.dateSeparator = std::string(1, '.');
    de.timeSeparator = std::string(1, '-');
    EXPECT_EQ(formatDateFilter("d/m/yyyy h:nn", at(2024, 3, 5, 9, 7), de), "5.3.2024 9-07");
    EXPECT_EQ(fmt("\"dd\" 'mm' dd", at(2024, 3, 5, 9, 7)), "dd mm 05");
    EXPECT_EQ(fmt("'unterminated dd", at(2024, 3, 5, 9, 7)), "unterminated dd");
    EXPECT_EQ(fmt("Week: x#", at(2024, 3, 5, 9, 7)), "Week: x#");  // letters without a meaning are copied
    EXPECT_EQ(fmt("\xC3\xA9t\xC3\xA9", at(2024, 3, 5, 9, 7)),
              "\xC3\xA9"
              "9:07 AM\xC3\xA9");
    EXPECT_EQ(fmt("", at(2024, 3, 5, 9, 7)), "");
}

TEST(DateFilter, SelfReferencingLocaleFormatStops) {
    LocaleNames loop = LocaleNames::english();
    loop.shortDateFormat = "ddddd";
    EXPECT_NO_FATAL_FAILURE(formatDateFilter("ddddd c", at(2024, 3, 5, 9, 7), loop));
}

TEST(DateFilter, StampWithoutFilterUsesShortDateAndTime) {
    EXPECT_EQ(dateStampText("", at(1997, 12, 8, 14, 5), LocaleNames::english()), ">> 12/8/1997 14:05");
    EXPECT_EQ(dateStampText("yyyy", at(1997, 12, 8, 14, 5), LocaleNames::english()), "1997");
}

TEST(DateFilter, ConvertsQtFormats) {
    EXPECT_EQ(convertQtDateTimeFormat("dd.MM.yyyy"), "dd.mm.yyyy");
    EXPECT_EQ(convertQtDateTimeFormat("M/d/yy"), "m\"/\"d\"/\"yy");
    EXPECT_EQ(convertQtDateTimeFormat("h:mm:ss AP"), "h\":\"nn\":\"ss ampm");
    EXPECT_EQ(convertQtDateTimeFormat("dddd, d 'de' MMMM 'de' yyyy"), "dddd, d\" de \"mmmm\" de \"yyyy");
    EXPECT_EQ(convertQtDateTimeFormat("HH 'o''clock'"), "hh\" o'clock\"");
    // Converted formats read back as the locale meant them.
    const auto t = at(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(fmt(convertQtDateTimeFormat("h:mm:ss AP"), t), "2:07:09 PM");
    EXPECT_EQ(fmt(convertQtDateTimeFormat("M/d/yy"), t), "3/5/24");
    EXPECT_EQ(separatorOfQtFormat("dd.MM.yyyy", "/"), ".");
    EXPECT_EQ(separatorOfQtFormat("HH:mm", "/"), ":");
    EXPECT_EQ(separatorOfQtFormat("yyyyMMdd", "/"), "/");
}
