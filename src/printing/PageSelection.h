#pragma once
// Which pages of a job are output, and how copies are made. Pages that are
// not output are still laid out, so page numbers count every page.
#include "printing/PrintSettings.h"

namespace sj {

class PageSelection {
public:
    explicit PageSelection(const PrintSettings& s);

    // The job ends at the start of this page (past the range's end).
    bool endsBefore(int page) const;
    bool isOutput(int page) const;

private:
    bool m_range;
    int m_from;
    int m_to;
    PageParity m_parity;
};

// Collated copies in one pass, each page repeated (by the device when it can
// make copies itself); uncollated copies as whole passes of the job.
struct CopyPlan {
    int passes = 1;
    int repeatsPerPage = 1;
    int deviceCopies = 1;

    static CopyPlan make(int copies, bool collate, bool deviceMakesCopies);
};

}  // namespace sj
