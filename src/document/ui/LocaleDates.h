#pragma once
// Bridges the date filter language to the user's locale and clock.
#include "text/DateFilter.h"

namespace sj {

LocaleNames localeNamesFromSystem();
DateTimeParts currentDateTime();
// The stamp Insert Date/Time and the log stamp write with the given filter.
std::string currentDateStamp(const std::string& dateFilter);

}  // namespace sj
