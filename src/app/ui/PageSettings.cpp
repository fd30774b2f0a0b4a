#include "app/ui/PageSettings.h"

#include "app/ui/DocumentSet.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "document/ui/EditorFont.h"
#include "files/FileUtils.h"

namespace sj {

PageSettings::PageSettings(Options& options, std::string storePath, bool olderLayout)
    : m_options(options),
      m_store(static_cast<std::size_t>(std::max(0, options.maxStoreProperties)), std::move(storePath)) {
    m_store.setOlderLayout(olderLayout);
    m_store.load();
}

FileProperties PageSettings::recordOf(const DocumentPage& page) {
    FileProperties r;
    r.oemText = page.oem();
    r.defaultSettings = page.defaultSettings();
    r.lineFormat = page.lineFormat();
    r.lineFormatChosen = page.lineFormatChosen();
    r.wordWrap = page.wordWrap();
    r.tabSettings = page.tabSettings();
    const QFont f = page.font();
    r.fontName = f.family().toStdString().substr(0, FilePropertiesStore::kMaxFontName);
    r.fontSize = f.pointSize() > 0 ? f.pointSize() : 0;
    r.fontStyle = FontText::styleFromText(fontStyleLetters(f));
    return r;
}

void PageSettings::applyRecord(DocumentPage& page, const FileProperties& record, const Options& options) {
    page.setOem(record.oemText);
    page.setLineFormat(record.lineFormat == 1 ? 1 : 0);
    page.setLineFormatChosen(record.lineFormatChosen);
    page.setWordWrap(record.wordWrap);
    page.setTabSettings(record.tabSettings);
    page.setDefaultSettings(record.defaultSettings);
    if (record.defaultSettings) {
        page.setFont(editorFont(options));
        return;
    }
    QFont f = page.font();
    if (!record.fontName.empty()) f.setFamily(QString::fromStdString(record.fontName));
    if (record.fontSize > 0) f.setPointSize(record.fontSize);
    f.setBold(record.fontStyle.bold);
    f.setItalic(record.fontStyle.italic);
    f.setUnderline(record.fontStyle.underline);
    f.setStrikeOut(record.fontStyle.strikeOut);
    page.setFont(f);
}

void PageSettings::pageOpening(DocumentPage& page, const std::string& fileName) {
    m_store.setCapacity(static_cast<std::size_t>(std::max(0, m_options.maxStoreProperties)));
    FileProperties stored;
    const bool found = m_store.find(fileName, stored);
    applyRecord(page,
                FilePropertiesStore::recordForOpen(found ? &stored : nullptr, m_options.wordWrap,
                                                   m_options.tabSettings, m_options.fileFormat),
                m_options);
}

void PageSettings::pageClosing(DocumentPage& page) {
    if (!page.hasFileName()) return;
    m_store.setCapacity(static_cast<std::size_t>(std::max(0, m_options.maxStoreProperties)));
    m_store.store(page.title(), FilePropertiesStore::recordForClose(recordOf(page), m_options.fileFormat));
}

void PageSettings::attach(DocumentSet& documents) {
    documents.pageOpening = [this](DocumentPage* page, const std::string& name) {
        if (page) pageOpening(*page, name);
    };
    documents.pageClosing = [this](DocumentPage* page) {
        if (page) pageClosing(*page);
    };
}

bool PageSettings::save() {
    m_store.setCapacity(static_cast<std::size_t>(std::max(0, m_options.maxStoreProperties)));
    return m_store.save();
}

}  // namespace sj
