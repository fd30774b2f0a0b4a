// The date filter language: any pattern over any date, and any Qt format to
// convert, without a crash or a read past the pattern.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "text/DateFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    sj::DateTimeParts when;
    when.year = input.ConsumeIntegralInRange(-9999, 99999);
    when.month = input.ConsumeIntegralInRange(-2, 14);
    when.day = input.ConsumeIntegralInRange(-2, 33);
    when.hour = input.ConsumeIntegralInRange(-1, 25);
    when.minute = input.ConsumeIntegralInRange(-1, 61);
    when.second = input.ConsumeIntegralInRange(-1, 61);
    when.millisecond = input.ConsumeIntegralInRange(-1, 1000);
    when.dayOfWeek = input.ConsumeIntegralInRange(-1, 8);
    const std::string pattern = input.ConsumeRemainingBytesAsString();
    static const sj::LocaleNames names = sj::LocaleNames::english();
    (void)sj::formatDateFilter(pattern, when, names);
    (void)sj::dateStampText(pattern, when, names);
    const std::string converted = sj::convertQtDateTimeFormat(pattern);
    (void)sj::formatDateFilter(converted, when, names);
    (void)sj::separatorOfQtFormat(pattern, "/");
    return 0;
}
