#pragma once
// One entry of the main window's toolbar: a command button or a separator, with
// the texts it shows and its place and availability as the user arranged them.
#include <string>
#include <vector>

namespace sj {

struct ToolbarEntry {
    std::string command;  // the command's name in the program ("new", "open", ...); empty for a separator
    std::string caption;  // under the glyph, at most 20 characters
    std::string toolTip;  // at most 20 characters; also the entry's key in the configuration
    std::string hint;     // for the status bar
    std::string icon;     // freedesktop icon name
    int position = 0;     // sort key of the order on the toolbar
    bool available = true;
    int separatorTag = 0;  // 1 ... 19 for a separator, 0 for a button
    int groupIndex = 0;    // buttons of one group show their command's on/off state

    bool isSeparator() const { return separatorTag > 0; }
    // "Space_<tag>" for a separator, else the tool tip.
    std::string iniKey() const;
};

// The main window's entries in their first order, with those shown at first
// marked available.
std::vector<ToolbarEntry> standardToolbarEntries();

}  // namespace sj
