#pragma once
// The line list of a plain string: hard breaks are CR LF, a lone CR or a lone LF. An
// optional wrap width (in characters) adds soft breaks the way a simple word-wrapping
// editor places them, so code that must respect wrapped paragraphs can be driven
// without a window.
#include <string>
#include <vector>

#include "texttools/LineEditor.h"

namespace sj {

class TextLines : public LineSource {
public:
    explicit TextLines(std::string_view text = {}, std::size_t wrapColumns = 0);

    void reset(std::string_view text, std::size_t wrapColumns = 0);

    std::string_view text() const override { return m_text; }
    std::size_t lineCount() const override { return m_count; }
    std::size_t lineStart(std::size_t line) const override;
    std::size_t lineEnd(std::size_t line) const override;
    std::size_t lineAt(std::size_t pos) const override;

private:
    void addWrappedLine(std::size_t start, std::size_t end);

    std::string_view m_text;
    std::size_t m_wrap = 0;
    std::vector<std::size_t> m_starts;
    std::size_t m_count = 0;
};

// A LineEditor over an owned string: the stand-in for the editor in tests and benchmarks.
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

}  // namespace sj
