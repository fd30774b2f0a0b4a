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

}  // namespace sj
