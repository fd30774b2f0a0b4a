#pragma once
// The find engine's view of a document page and of the set of open pages.
#include <memory>
#include <vector>

#include "texttools/FindDocumentSet.h"

namespace sj {

class DocumentSet;
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

// The pages in tab order. Adapters are made on demand, so the set always
// follows the tabs as they are now.
class FindPageSet : public FindDocumentSet {
public:
    explicit FindPageSet(DocumentSet& docs) : m_docs(docs) {}

    std::size_t count() const override;
    std::size_t currentIndex() const override;
    FindDocument& document(std::size_t index) override;
    void activate(std::size_t index) override;

private:
    DocumentSet& m_docs;
    std::vector<std::unique_ptr<FindPageDocument>> m_adapters;
};

}  // namespace sj
