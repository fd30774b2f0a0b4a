#include "texttools/ui/FindPageDocument.h"

#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"

namespace sj {

std::string_view FindPageDocument::text() const {
    return m_page->textView();
}

std::size_t FindPageDocument::selectionStart() const {
    return static_cast<std::size_t>(m_page->selStart());
}

std::size_t FindPageDocument::selectionLength() const {
    return static_cast<std::size_t>(m_page->selLength());
}

void FindPageDocument::select(std::size_t pos, std::size_t length) {
    m_page->setSel(static_cast<Pos>(pos), static_cast<Pos>(length));
    m_page->ensureCursorVisible();
}

bool FindPageDocument::readOnly() const {
    return m_page->isReadOnly();
}

void FindPageDocument::replaceRange(std::size_t pos, std::size_t length, std::string_view with) {
    m_page->replaceRange(static_cast<Pos>(pos), static_cast<Pos>(length), with);
}

}  // namespace sj
