#pragma once
// The line commands of the Convert > Lines menu, run against an editor. Each decides its
// line range from the selection, rewrites that range in one replacement and leaves the
// changed lines selected.
#include <functional>
#include <string>
#include <string_view>

#include "texttools/LineEditor.h"
#include "texttools/LineSplitter.h"

namespace sj {

class LocaleCollator;

// Numbered as the shared handler's action numbers.
enum class LineAction {
    Sort = 0,
    AdjustLineBreaks = 1,
    Compress = 2,
    TrimBlanks = 3,
    Indent = 4,
    Unindent = 5
};

// Sorting more lines than this many plus one asks first.
constexpr std::size_t kLargeSortLineSpan = 32765;
inline constexpr std::string_view kLargeSortQuestion =
    "The large number of lines may take quite long to sort!\n"
    "If there is not enough free memory the procedure will fail.\n"
    "Continue anyway?";

struct LineOptions {
    int indentSize = 1;
    // Case-insensitive collation of the user's locale; byte order when null.
    const LocaleCollator* collator = nullptr;
    // Asked before a large sort; no answer means yes.
    std::function<bool()> confirmLargeSort;
};

enum class LineOutcome { Unchanged, Declined, Changed };

struct LineWorkerResult {
    bool replace = false;
    std::string text;
    std::size_t removedBreaks = 0;
};

// The transform of one action on the text of a range.
LineWorkerResult runLineWorker(LineAction action, std::string_view text, const LineOptions& options);

// Sort, Adjust Line Breaks, Compress, Trim Blanks, Indent and Unindent. Without a selection
// Sort, Adjust Line Breaks and Compress take the whole document.
LineOutcome applyLineAction(LineEditor& editor, LineAction action, const LineOptions& options);

// Join Lines: the selected lines, or the caret's line and the next one.
LineOutcome MakeParagraph(LineEditor& editor);

struct SplitOptions {
    int availableWidth = 0;  // the editor's width in pixels
    TextWidthFn width;
};
// Split Lines: word-wrapped screen lines, or lines cut to the editor's width, become
// lines of their own.
LineOutcome splitLongLines(LineEditor& editor, const SplitOptions& options);

// Delete Line: the caret's line and the break after it.
LineOutcome deleteCurrentLine(LineEditor& editor);

}  // namespace sj
