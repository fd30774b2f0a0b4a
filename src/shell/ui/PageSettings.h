#pragma once
// Moves the per-file settings between a document page and the store: a page
// takes its file's record when the file opens and gives it back on close.
#include <memory>
#include <string>

#include "shell/FilePropObj.h"
#include "shell/FileProperties.h"

namespace sj {

class DocumentSet;
class TFilePage;
struct Options;

class PageSettings {
public:
    PageSettings(Options& options, std::string storePath, bool olderLayout);

    // The record as the page holds it now.
    static TFilePropObj recordOf(const TFilePage& page);
    // Copies the record onto the page; a default-settings record leaves the
    // window's font in place.
    static void applyRecord(TFilePage& page, const TFilePropObj& record, const Options& options);

    void pageOpening(TFilePage& page, const std::string& fileName);
    void pageClosing(TFilePage& page);
    // Hooks the document set's open and close events to this store.
    void attach(DocumentSet& documents);
    // Writes the store (capacity follows the option first); false when nothing was written.
    bool save();

    TFileProperties& store() { return m_store; }

private:
    Options& m_options;
    TFileProperties m_store;
};

}  // namespace sj
