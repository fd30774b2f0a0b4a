#include "texttools/LineCommands.h"

#include <algorithm>

#include "texttools/LineRange.h"
#include "texttools/LineSort.h"
#include "texttools/LineWorkers.h"

namespace sj {

namespace {

// Keeps the editor's long-operation state balanced whatever the worker throws.
class LongOperation {
public:
    explicit LongOperation(LineEditor& editor) : m_editor(editor) { m_editor.beginLongOperation(); }
    ~LongOperation() { m_editor.endLongOperation(); }
    LongOperation(const LongOperation&) = delete;
    LongOperation& operator=(const LongOperation&) = delete;

private:
    LineEditor& m_editor;
};

}  // namespace

LineWorkerResult runLineWorker(LineAction action, std::string_view text, const LineOptions& options) {
    LineWorkerResult r;
    if (text.empty()) return r;
    switch (action) {
        case LineAction::Sort: {
            auto sorted = sortLines(text, options.collator);
            if (!sorted) return r;
            r.text = std::move(*sorted);
            break;
        }
        case LineAction::AdjustLineBreaks:
            r.text = adjustLineBreaks(text);
            break;
        case LineAction::Compress: {
            CompressResult c = compressLines(text);
            r.text = std::move(c.text);
            r.removedBreaks = c.removedBreaks;
            break;
        }
        case LineAction::TrimBlanks:
            r.text = trimBlanks(text);
            break;
        case LineAction::Indent:
            r.text = indentLines(text, options.indentSize);
            break;
        case LineAction::Unindent:
            r.text = unindentLines(text, options.indentSize);
            break;
    }
    r.replace = true;
    return r;
}

LineOutcome applyLineAction(LineEditor& editor, LineAction action, const LineOptions& options) {
    const Selection sel = editor.selection();
    std::size_t first = 0;
    std::size_t last = 0;
    const bool linewise =
        action == LineAction::TrimBlanks || action == LineAction::Indent || action == LineAction::Unindent;
    if (sel.length > 0 || linewise) {
        const LineRange range = lineRangeFromSelection(editor, sel);
        first = range.firstLine;
        last = range.lastLine;
        editor.setSelection(range.selection);
    } else {
        if (editor.lineCount() == 0) return LineOutcome::Unchanged;
        last = editor.lineCount() - 1;
        editor.setSelection({0, editor.text().size()});
    }
    if (action == LineAction::Sort) {
        if (first == last) return LineOutcome::Unchanged;
        if (last - first > kLargeSortLineSpan && options.confirmLargeSort && !options.confirmLargeSort())
            return LineOutcome::Declined;
    }

    LongOperation busy(editor);
    std::size_t removed = 0;
    bool replaced = false;
    try {
        const Selection range = editor.selection();
        LineWorkerResult r = runLineWorker(action, editor.text().substr(range.start, range.length), options);
        if (r.replace) {
            editor.replaceSelection(r.text);
            replaced = true;
            removed = r.removedBreaks;
        }
    } catch (...) {
        editor.setSelection(lineSpan(editor, first, last));
        throw;
    }
    const std::size_t newLast = std::max(first, last - std::min(removed, last));
    editor.setSelection(lineSpan(editor, first, newLast));
    return replaced ? LineOutcome::Changed : LineOutcome::Unchanged;
}

LineOutcome MakeParagraph(LineEditor& editor) {
    const Selection sel = editor.selection();
    const std::size_t first = editor.lineAt(sel.start);
    std::size_t last = sel.length > 0 ? editor.lineAt(sel.end()) : first;
    if (first == last) {
        if (first + 1 >= editor.lineCount()) return LineOutcome::Unchanged;
        last = first + 1;
    }
    const Selection range = lineSpan(editor, first, last);
    editor.setSelection(range);
    const std::string joined = joinLines(editor.text().substr(range.start, range.length));
    editor.replaceSelection(joined);
    editor.setSelection({range.start, joined.size()});
    return LineOutcome::Changed;
}

LineOutcome splitLongLines(LineEditor& editor, const SplitOptions& options) {
    const bool wrap = editor.wordWrap();
    if (wrap && editor.lineCount() < 2) return LineOutcome::Unchanged;
    const Selection saved = editor.selection();
    const LineRange range = lineRangeFromSelection(editor, saved);
    editor.setSelection(range.selection);

    if (wrap && range.firstLine == range.lastLine) {
        // A lone screen line ending at a soft break: make that break a hard one.
        LineOutcome outcome = LineOutcome::Unchanged;
        const std::size_t end = editor.lineEnd(range.lastLine);
        if (range.lastLine + 1 < editor.lineCount() && editor.text().substr(end, 2) != "\r\n") {
            editor.setSelection({end, 0});
            editor.replaceSelection("\r\n");
            outcome = LineOutcome::Changed;
        }
        editor.setSelection(saved);
        return outcome;
    }

    std::string out;
    out.reserve(range.selection.length + range.selection.length / 8 + 2);
    const std::string_view text = editor.text();
    for (std::size_t line = range.firstLine; line <= range.lastLine; ++line) {
        const std::size_t start = editor.lineStart(line);
        const std::string_view lineText = text.substr(start, editor.lineEnd(line) - start);
        if (wrap) {
            std::string_view t = lineText;
            while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
            out += t;
            out += "\r\n";
        } else {
            for (std::string_view piece : splitToWidth(lineText, options.availableWidth, options.width)) {
                out += piece;
                out += "\r\n";
            }
        }
    }
    editor.replaceSelection(out);
    editor.setSelection({range.selection.start, out.size()});
    return LineOutcome::Changed;
}

LineOutcome deleteCurrentLine(LineEditor& editor) {
    if (editor.readOnly() || editor.lineCount() == 0) return LineOutcome::Unchanged;
    const std::size_t line = editor.lineAt(editor.selection().start);
    const std::size_t start = editor.lineStart(line);
    const std::size_t end = line + 1 < editor.lineCount() ? editor.lineStart(line + 1) : editor.text().size();
    if (end <= start) return LineOutcome::Unchanged;
    editor.setSelection({start, end - start});
    editor.replaceSelection({});
    return LineOutcome::Changed;
}

}  // namespace sj
