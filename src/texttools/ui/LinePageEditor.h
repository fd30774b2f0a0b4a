#pragma once
// The line commands' view of a document page: lines are the page's displayed lines (a
// wrapped paragraph counts one per row), positions its byte offsets.
#include "texttools/LineEditor.h"

namespace sj {

class EditorView;

class LinePageEditor : public LineEditor {
public:
    explicit LinePageEditor(EditorView& page, bool writable = true) : m_page(page), m_writable(writable) {}

    std::string_view text() const override;
    std::size_t lineCount() const override;
    std::size_t lineStart(std::size_t line) const override;
    std::size_t lineEnd(std::size_t line) const override;
    std::size_t lineAt(std::size_t pos) const override;

    bool wordWrap() const override;
    bool readOnly() const override;
    Selection selection() const override;
    void setSelection(Selection sel) override;
    void replaceSelection(std::string_view replacement) override;
    void beginLongOperation() override;
    void endLongOperation() override;

private:
    long send(unsigned msg, unsigned long w = 0, long l = 0) const;
    std::size_t docLineEnd(std::size_t docLine) const;

    EditorView& m_page;
    bool m_writable;
    int m_busy = 0;
};

}  // namespace sj
