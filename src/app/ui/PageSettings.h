#pragma once
// Moves the per-file settings between a document page and the store: a page
// takes its file's record when the file opens and gives it back on close.
#include <memory>
#include <string>

#include "config/FileProperties.h"
#include "config/FilePropertiesStore.h"

namespace sj {

class DocumentSet;
class DocumentPage;
struct Options;

class PageSettings {
public:
    PageSettings(Options& options, std::string storePath, bool olderLayout);

    // The record as the page holds it now.
    static FileProperties recordOf(const DocumentPage& page);
    // Copies the record onto the page; a default-settings record leaves the
    // window's font in place.
    static void applyRecord(DocumentPage& page, const FileProperties& record, const Options& options);

    void pageOpening(DocumentPage& page, const std::string& fileName);
    void pageClosing(DocumentPage& page);
    // Hooks the document set's open and close events to this store.
    void attach(DocumentSet& documents);
    // Writes the store (capacity follows the option first); false when nothing was written.
    bool save();

    FilePropertiesStore& store() { return m_store; }

private:
    Options& m_options;
    FilePropertiesStore m_store;
};

}  // namespace sj
