#pragma once
// Date fields filled by the date filter language for one fixed moment.
#include <string>
#include <string_view>

#include "clipbook/DateFieldSource.h"
#include "text/DateFilter.h"

namespace sj {

class DateFilterFieldSource : public DateFieldSource {
public:
    DateFilterFieldSource(const DateTimeParts& when, LocaleNames names)
        : m_when(when), m_names(std::move(names)) {}
    std::string format(std::string_view pattern) override {
        return formatDateFilter(pattern, m_when, m_names);
    }

private:
    DateTimeParts m_when;
    LocaleNames m_names;
};

}  // namespace sj
