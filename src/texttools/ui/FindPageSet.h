#pragma once
// The find engine's view of the set of open pages.
#include <memory>
#include <vector>

#include "texttools/FindDocumentSet.h"
#include "texttools/ui/FindPageDocument.h"

namespace sj {

class DocumentSet;

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
