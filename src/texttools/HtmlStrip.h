#pragma once
// Strip HTML Tags: markup out, block tags as line breaks, table cells as tabs, entities as
// characters. Works on UTF-8; all markup is ASCII.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texttools/TextChange.h"

namespace sj {

std::string stripHtmlTags(std::string_view html);

// How many line breaks a tag name (upper case, "/" kept for closing tags) asks for.
int htmlTagBreaks(std::string_view tagName);

struct StripHtmlResult {
    TextChange change;
    // The scope was the whole document and word wrap was off: switch it on first.
    bool switchWordWrapOn = false;
};

// Scope: the selection, or the whole text without one. Nothing happens on an empty document.
std::optional<StripHtmlResult> stripHtmlInSelection(std::string_view text, std::size_t selStart,
                                                    std::size_t selLength, bool wordWrap);

}  // namespace sj
