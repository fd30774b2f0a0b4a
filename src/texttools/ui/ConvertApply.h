#pragma once
// Puts the result of a text command into a page: one replacement (one undo step, screen
// updates held), then the command's selection.
#include "texttools/TextChange.h"

namespace sj {

class EditorView;

void applyTextChange(EditorView& page, const TextChange& change);

}  // namespace sj
