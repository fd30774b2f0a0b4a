#include "document/ui/LocaleDates.h"

#include <QDateTime>
#include <QLocale>

namespace sj {

LocaleNames localeNamesFromSystem() {
    const QLocale locale = QLocale::system();
    LocaleNames names;
    for (int m = 1; m <= 12; ++m) {
        names.longMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        names.shortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    for (int d = 1; d <= 7; ++d) {
        names.longDayNames[d - 1] = locale.dayName(d, QLocale::LongFormat).toStdString();
        names.shortDayNames[d - 1] = locale.dayName(d, QLocale::ShortFormat).toStdString();
    }
    const std::string shortDate = locale.dateFormat(QLocale::ShortFormat).toStdString();
    const std::string shortTime = locale.timeFormat(QLocale::ShortFormat).toStdString();
    names.shortDateFormat = convertQtDateTimeFormat(shortDate);
    names.longDateFormat = convertQtDateTimeFormat(locale.dateFormat(QLocale::LongFormat).toStdString());
    names.shortTimeFormat = convertQtDateTimeFormat(shortTime);
    names.longTimeFormat = convertQtDateTimeFormat(locale.timeFormat(QLocale::LongFormat).toStdString());
    names.amDesignator = locale.amText().toStdString();
    names.pmDesignator = locale.pmText().toStdString();
    names.dateSeparator = separatorOfQtFormat(shortDate, "/");
    names.timeSeparator = separatorOfQtFormat(shortTime, ":");
    return names;
}

DateTimeParts currentDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    DateTimeParts p;
    p.year = now.date().year();
    p.month = now.date().month();
    p.day = now.date().day();
    p.hour = now.time().hour();
    p.minute = now.time().minute();
    p.second = now.time().second();
    p.millisecond = now.time().msec();
    p.dayOfWeek = now.date().dayOfWeek();
    return p;
}

std::string currentDateStamp(const std::string& dateFilter) {
    return dateStampText(dateFilter, currentDateTime(), localeNamesFromSystem());
}

}  // namespace sj
