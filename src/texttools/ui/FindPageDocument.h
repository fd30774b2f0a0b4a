#pragma once
// The find engine's view of a document page.
#include "texttools/FindDocumentSet.h"

namespace sj {

class DocumentPage;

class FindPageDocument : public FindDocument {
public:
    explicit FindPageDocument(DocumentPage* page) : m_page(page) {}

    std::string_view text() const override;
    std::size_t selectionStart() const override;
    std::size_t selectionLength() const override;
    void select(std::size_t pos, std::size_t length) override;
    bool readOnly() const override;
    void replaceRange(std::size_t pos, std::size_t length, std::string_view with) override;

    DocumentPage* page() const { return m_page; }

private:
    DocumentPage* m_page;
};

}  // namespace sj
