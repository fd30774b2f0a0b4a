#pragma once
// Splits a command line into program and arguments without any shell:
// white space separates, double quotes group, three double quotes in a row
// are one literal quote. Bytes that came from an inserted value never
// separate or quote: a value always stays inside the argument it stands in.
#include <string>
#include <string_view>
#include <vector>

#include "clipbook/ExpansionText.h"

namespace sj {

class CommandLineSplitter {
public:
    static std::vector<std::string> split(const ExpansionText& line);
    static std::vector<std::string> split(std::string_view line);
};

}  // namespace sj
