#pragma once
// A document page as the clip expansion sees it.
#include "clipbook/ExpansionDocument.h"

namespace sj {

class DocumentPage;

class PageExpansionDocument : public ExpansionDocument {
public:
    // hideSelection: the selection is about to be replaced (Expand Word), so
    // the clip must not wrap it.
    explicit PageExpansionDocument(DocumentPage& page, bool hideSelection = false)
        : m_page(page), m_hideSelection(hideSelection) {}
    std::string selectedText() const override;
    bool isReadOnly() const override;
    std::string fileName() const override;
    bool isModified() const override;
    std::optional<std::string> makeTemporaryCopy() override;

private:
    DocumentPage& m_page;
    bool m_hideSelection;
};

}  // namespace sj
