#include "texttools/ui/LinePageEditor.h"

#include <QApplication>

#include <algorithm>

#include "document/ui/EditorView.h"

namespace sj {

long LinePageEditor::send(unsigned msg, unsigned long w, long l) const {
    return m_page.SendScintilla(msg, w, l);
}

std::string_view LinePageEditor::text() const {
    return m_page.textView();
}

std::size_t LinePageEditor::lineCount() const {
    return static_cast<std::size_t>(m_page.displayLineCount());
}

std::size_t LinePageEditor::docLineEnd(std::size_t docLine) const {
    return static_cast<std::size_t>(send(QsciScintillaBase::SCI_GETLINEENDPOSITION, docLine));
}

std::size_t LinePageEditor::lineStart(std::size_t line) const {
    const std::size_t count = lineCount();
    if (line < count) return static_cast<std::size_t>(m_page.displayLineIndex(static_cast<int>(line)));
    // The empty place after a final break, or the start of an empty text.
    return text().size();
}

std::size_t LinePageEditor::lineEnd(std::size_t line) const {
    const std::size_t count = lineCount();
    if (line >= count) return text().size();
    const std::size_t start = lineStart(line);
    const auto docLine = static_cast<std::size_t>(send(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
    const std::size_t hardEnd = docLineEnd(docLine);
    if (!m_page.wordWrap() || line + 1 >= count) return hardEnd;
    // A wrapped row ends where the next row of the same paragraph begins.
    const std::size_t next = lineStart(line + 1);
    return std::min(next, hardEnd);
}

std::size_t LinePageEditor::lineAt(std::size_t pos) const {
    pos = std::min(pos, text().size());
    const int docLine = static_cast<int>(send(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
    if (!m_page.wordWrap()) return static_cast<std::size_t>(docLine);
    // Rows of a wrapped paragraph: the last row whose start is not after pos.
    std::size_t row = static_cast<std::size_t>(send(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, docLine));
    const std::size_t rows = static_cast<std::size_t>(send(QsciScintillaBase::SCI_WRAPCOUNT, docLine));
    const std::size_t count = lineCount();
    if (row >= count) return count;
    std::size_t found = row;
    for (std::size_t r = row + 1; r < row + rows && r < count; ++r) {
        if (lineStart(r) > pos) break;
        found = r;
    }
    return found;
}

bool LinePageEditor::wordWrap() const {
    return m_page.wordWrap();
}

bool LinePageEditor::readOnly() const {
    return !m_writable || m_page.isReadOnly();
}

Selection LinePageEditor::selection() const {
    return {static_cast<std::size_t>(m_page.selStart()), static_cast<std::size_t>(m_page.selLength())};
}

void LinePageEditor::setSelection(Selection sel) {
    m_page.setSel(static_cast<Pos>(sel.start), static_cast<Pos>(sel.length));
}

void LinePageEditor::replaceSelection(std::string_view replacement) {
    const Pos start = m_page.selStart();
    // The component refuses a null text pointer, which an empty view may carry.
    m_page.replaceRange(start, m_page.selLength(), replacement.empty() ? std::string_view("") : replacement);
    m_page.setCaret(start + static_cast<Pos>(replacement.size()));
}

void LinePageEditor::beginLongOperation() {
    if (m_busy++ > 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_page.suspend();
}

void LinePageEditor::endLongOperation() {
    if (m_busy == 0 || --m_busy > 0) return;
    m_page.resume();
    QApplication::restoreOverrideCursor();
}

}  // namespace sj
