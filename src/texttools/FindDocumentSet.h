#pragma once
// The open documents in tab order, as the find and replace engine sees them.
#include <cstddef>

#include "texttools/FindDocument.h"

namespace sj {

class FindDocumentSet {
public:
    virtual ~FindDocumentSet() = default;

    virtual std::size_t count() const = 0;
    virtual std::size_t currentIndex() const = 0;
    virtual FindDocument& document(std::size_t index) = 0;
    // Makes the document of that tab the current one.
    virtual void activate(std::size_t index) = 0;
};

}  // namespace sj
