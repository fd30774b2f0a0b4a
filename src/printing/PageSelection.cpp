#include "printing/PageSelection.h"

namespace sj {

PageSelection::PageSelection(const PrintSettings& s)
    : m_range(s.printRange == PrintRange::PageNumbers),
      m_from(s.fromPage),
      m_to(s.toPage),
      m_parity(s.printPages) {}

bool PageSelection::endsBefore(int page) const {
    return m_range && m_to > 0 && page > m_to;
}

bool PageSelection::isOutput(int page) const {
    if (m_range && page < m_from) return false;
    if (m_parity == PageParity::Odd) return page % 2 == 1;
    if (m_parity == PageParity::Even) return page % 2 == 0;
    return true;
}

CopyPlan CopyPlan::make(int copies, bool collate, bool deviceMakesCopies) {
    CopyPlan plan;
    if (copies < 2) return plan;
    if (!collate)
        plan.passes = copies;
    else if (deviceMakesCopies)
        plan.deviceCopies = copies;
    else
        plan.repeatsPerPage = copies;
    return plan;
}

}  // namespace sj
