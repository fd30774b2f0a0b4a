#pragma once
// Placement of the Clipbook pane, as stored under Position in section "Clipbook".
namespace sj {

enum TClipPanelPos { cpFloatForm = 0, cpLeftPane = 1, cpRightPane = 2 };

// A placement read from the file; anything unknown docks on the left.
constexpr TClipPanelPos clipPanelPosFromInt(long long value) {
    return value == cpFloatForm || value == cpRightPane ? static_cast<TClipPanelPos>(value) : cpLeftPane;
}

}  // namespace sj
