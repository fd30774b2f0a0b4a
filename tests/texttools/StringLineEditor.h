#pragma once
// The editor's stand-in for the line tools' tests.
#include <algorithm>
#include <string>
#include <string_view>

#include "texttools/LineEditor.h"
#include "texttools/TextLines.h"

namespace sj {

// A LineEditor over an owned string: the stand-in for the editor in tests.
class StringLineEditor : public LineEditor {
public:
    explicit StringLineEditor(std::string text = {}, std::size_t wrapColumns = 0);
    // The line list points into the text, so a copy must rebuild it.
    StringLineEditor(const StringLineEditor& other);
    StringLineEditor& operator=(const StringLineEditor& other);

    std::string_view text() const override { return m_text; }
    std::size_t lineCount() const override { return m_lines.lineCount(); }
    std::size_t lineStart(std::size_t line) const override { return m_lines.lineStart(line); }
    std::size_t lineEnd(std::size_t line) const override { return m_lines.lineEnd(line); }
    std::size_t lineAt(std::size_t pos) const override { return m_lines.lineAt(pos); }

    bool wordWrap() const override { return m_wrap != 0; }
    bool readOnly() const override { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }
    Selection selection() const override { return m_sel; }
    void setSelection(Selection sel) override;
    void replaceSelection(std::string_view replacement) override;

    int replaceCount() const { return m_replaceCount; }
    std::string selectedText() const { return m_text.substr(m_sel.start, m_sel.length); }

private:
    std::string m_text;
    std::size_t m_wrap;
    TextLines m_lines;
    Selection m_sel;
    bool m_readOnly = false;
    int m_replaceCount = 0;
};

inline StringLineEditor::StringLineEditor(std::string text, std::size_t wrapColumns)
    : m_text(std::move(text)), m_wrap(wrapColumns) {
    m_lines.reset(m_text, m_wrap);
}

inline StringLineEditor::StringLineEditor(const StringLineEditor& other)
    : m_text(other.m_text),
      m_wrap(other.m_wrap),
      m_sel(other.m_sel),
      m_readOnly(other.m_readOnly),
      m_replaceCount(other.m_replaceCount) {
    m_lines.reset(m_text, m_wrap);
}

inline StringLineEditor& StringLineEditor::operator=(const StringLineEditor& other) {
    if (this != &other) {
        m_text = other.m_text;
        m_wrap = other.m_wrap;
        m_sel = other.m_sel;
        m_readOnly = other.m_readOnly;
        m_replaceCount = other.m_replaceCount;
        m_lines.reset(m_text, m_wrap);
    }
    return *this;
}

inline void StringLineEditor::setSelection(Selection sel) {
    sel.start = std::min(sel.start, m_text.size());
    sel.length = std::min(sel.length, m_text.size() - sel.start);
    m_sel = sel;
}

inline void StringLineEditor::replaceSelection(std::string_view replacement) {
    m_text.replace(m_sel.start, m_sel.length, replacement);
    m_sel = {m_sel.start + replacement.size(), 0};
    m_lines.reset(m_text, m_wrap);
    ++m_replaceCount;
}

}  // namespace sj
