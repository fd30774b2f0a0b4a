#include "clipbook/ui/PageExpansionDocument.h"

#include "document/ui/DocumentPage.h"

namespace sj {

std::string PageExpansionDocument::selectedText() const {
    return m_hideSelection ? std::string() : m_page.selectedBytes();
}

bool PageExpansionDocument::isReadOnly() const {
    return m_page.isReadOnly();
}

std::string PageExpansionDocument::fileName() const {
    return m_page.fileName();
}

bool PageExpansionDocument::isModified() const {
    return m_page.isModified();
}

std::optional<std::string> PageExpansionDocument::makeTemporaryCopy() {
    std::string name = m_page.makeTemporaryCopy({});
    if (name.empty()) return std::nullopt;
    return name;
}

}  // namespace sj
