#pragma once
// One clip of a library: the title shown in the list and its body (lines
// separated by CR LF).
#include <string>

#include "clipbook/ClipBody.h"

namespace sj {

struct ClipItem {
    std::string title;
    ClipBody body;

    ClipItem() = default;
    ClipItem(std::string t, std::string b) : title(std::move(t)), body(std::move(b)) {}

    bool isCommand() const { return body.isCommand(); }
    friend bool operator==(const ClipItem&, const ClipItem&) = default;
};

}  // namespace sj
