#pragma once
// Formats the date fields of a clip: the current date and time through a
// date filter pattern. One source serves one expansion, so every field of a
// clip shows the same moment.
#include <string>
#include <string_view>

namespace sj {

class DateFieldSource {
public:
    virtual ~DateFieldSource() = default;
    virtual std::string format(std::string_view pattern) = 0;
};

}  // namespace sj
