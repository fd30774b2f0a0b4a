#pragma once
// Prefixes of the window placement keys in section "RestoreWindows" (and the
// floating Clipbook's keys). They are the names configuration files have always
// carried, so a file written by an earlier version keeps its windows in place.
#include <string_view>

namespace sj::windowkeys {

inline constexpr std::string_view kMainWindow = "TQVA_FrmNotepad";
inline constexpr std::string_view kFindDialog = "TfrmSearch";
inline constexpr std::string_view kReplaceDialog = "TfrmReplace";
inline constexpr std::string_view kAutoScrollDialog = "TfrmAutoScroll";
inline constexpr std::string_view kDocumentSelector = "TfrmPageSelector";
inline constexpr std::string_view kStatisticsDialog = "TfrmTextStatistics";
inline constexpr std::string_view kClipEditorDialog = "TfrmClipEditor";
inline constexpr std::string_view kFloatingClipbook = "TfrmClipBook";

}  // namespace sj::windowkeys
