#include "texttools/LineMenus.h"

#include "texttools/LineEditor.h"

namespace sj {

namespace {

bool multiLine(const LineMenuContext& c) {
    return c.writable && c.lineCount > 1;
}

bool hasLineText(const LineMenuContext& c) {
    return c.writable && c.lineCount > 0 && (!c.selectionEmpty || !c.caretLineEmpty);
}

}  // namespace

LineMenuContext lineMenuContext(const LineEditor& editor) {
    LineMenuContext c;
    c.writable = !editor.readOnly();
    c.lineCount = editor.lineCount();
    const Selection sel = editor.selection();
    c.selectionEmpty = sel.length == 0;
    const std::size_t line = editor.lineAt(sel.start);
    c.caretLineEmpty = editor.lineEnd(line) <= editor.lineStart(line);
    return c;
}

LineMenuState mainLinesMenuState(const LineMenuContext& ctx) {
    LineMenuState s;
    s.sort = s.joinLines = s.compress = multiLine(ctx);
    s.trimBlanks = s.adjustLineBreaks = s.splitLines = s.indent = s.unindent = hasLineText(ctx);
    return s;
}

LineMenuState contextLinesMenuState(const LineMenuContext& ctx) {
    LineMenuState s;
    s.sort = s.joinLines = s.adjustLineBreaks = s.compress = multiLine(ctx);
    s.trimBlanks = s.splitLines = s.indent = s.unindent = hasLineText(ctx);
    return s;
}

bool deleteLineEnabled(const LineMenuContext& ctx) {
    return contextLinesMenuState(ctx).indent;
}

}  // namespace sj
