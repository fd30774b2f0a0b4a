#pragma once
// Placement of the Clipbook pane, as stored under Position in section "Clipbook".
namespace sj {

enum ClipbookPlacement { cpFloatForm = 0, cpLeftPane = 1, cpRightPane = 2 };

// A placement read from the file; anything unknown docks on the left.
constexpr ClipbookPlacement clipPanelPosFromInt(long long value) {
    return value == cpFloatForm || value == cpRightPane ? static_cast<ClipbookPlacement>(value) : cpLeftPane;
}

}  // namespace sj
