#pragma once
// Which line commands are offered when the Lines submenu opens.
#include <cstddef>

namespace sj {

class LineEditor;

struct LineMenuContext {
    bool writable = false;
    std::size_t lineCount = 0;
    bool selectionEmpty = true;
    bool caretLineEmpty = true;
};

struct LineMenuState {
    bool sort = false;
    bool joinLines = false;
    bool splitLines = false;
    bool adjustLineBreaks = false;
    bool compress = false;
    bool trimBlanks = false;
    bool indent = false;
    bool unindent = false;
    bool operator==(const LineMenuState&) const = default;
};

LineMenuContext lineMenuContext(const LineEditor& editor);

// Convert > Lines in the main menu.
LineMenuState mainLinesMenuState(const LineMenuContext& ctx);
// The Lines submenu of the editor's context menu: Adjust Line Breaks needs two lines there.
LineMenuState contextLinesMenuState(const LineMenuContext& ctx);
// Delete Line is offered exactly when the context menu would offer Indent.
bool deleteLineEnabled(const LineMenuContext& ctx);

}  // namespace sj
