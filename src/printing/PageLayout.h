#pragma once
// Lays a text out in pages, one page at a time: source lines end at CR, LF or
// CR LF; long lines wrap at word boundaries (or run on, without word wrap); a
// form feed starts a new page. A page that holds only a form feed still
// counts as a page.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class TabbedText;

struct LaidOutPage {
    int number = 0;
    std::vector<std::string> lines;  // as in the text: tabs kept
};

class PageLayout {
public:
    PageLayout(std::string_view text, const TabbedText& measure, int printableWidth, int linesPerPage,
               bool wordWrap);

    // The next page; false at the end of the text or when onLine stopped it.
    bool next(LaidOutPage& page);
    bool stopped() const { return m_stopped; }
    // Bytes of the text read so far.
    std::size_t position() const { return m_pos; }

    // After every laid-out line, with the position; false stops the layout.
    std::function<bool(std::size_t position)> onLine;

private:
    bool readLine();
    void outputLine(LaidOutPage& page, std::string_view line);

    std::string_view m_text;
    const TabbedText& m_measure;
    int m_width;
    int m_linesPerPage;
    bool m_wordWrap;
    std::size_t m_pos = 0;
    std::string m_buffer;
    bool m_pending = false;  // m_buffer holds (part of) a line not yet laid out
    int m_pageNumber = 0;
    bool m_stopped = false;
};

}  // namespace sj
