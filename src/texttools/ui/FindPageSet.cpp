#include "texttools/ui/FindPageSet.h"

#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"

namespace sj {

std::size_t FindPageSet::count() const {
    return static_cast<std::size_t>(std::max(0, m_docs.count()));
}

std::size_t FindPageSet::currentIndex() const {
    return static_cast<std::size_t>(std::max(0, m_docs.currentIndex()));
}

FindDocument& FindPageSet::document(std::size_t index) {
    DocumentPage* page = m_docs.page(static_cast<int>(index));
    if (m_adapters.size() <= index) m_adapters.resize(index + 1);
    if (!m_adapters[index] || m_adapters[index]->page() != page)
        m_adapters[index] = std::make_unique<FindPageDocument>(page);
    return *m_adapters[index];
}

void FindPageSet::activate(std::size_t index) {
    m_docs.select(static_cast<int>(index));
}

}  // namespace sj
