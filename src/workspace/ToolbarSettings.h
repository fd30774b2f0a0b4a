#pragma once
// The toolbar's look and its entries as the section "Toolbar" of the
// configuration keeps them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/FontText.h"
#include "workspace/ToolbarEntry.h"

namespace sj {

struct ToolbarSettings {
    // Keys and values of the section in file order, as the option set holds them.
    using KeyValues = std::vector<std::pair<std::string, std::string>>;

    bool flatButtons = true;
    bool useSeparators = true;
    bool showCaptions = false;
    bool showToolTips = true;
    bool wrapButtons = false;
    FontSpec captionFont;  // an empty name: the toolbar's own font
    std::vector<ToolbarEntry> entries{standardToolbarEntries()};

    // Applies what the section holds on top of the current values: a missing
    // key or part keeps what is there, an entry is found by its key (so an
    // entry whose tool tip changed takes no stored state), keys that name no
    // entry are ignored. The entries come out sorted by position.
    void read(const KeyValues& section);
    // The switches, "CaptionFont", then every entry in toolbar order with its
    // place in that order counted from 1 as its position.
    KeyValues write() const;

    // Stable, so entries of equal position keep their relative order.
    void sortByPosition();

    bool operator==(const ToolbarSettings&) const;
};

}  // namespace sj
