#pragma once
// `DocumentPage`: one open document, the editor plus the identity of its file and
// the per-file settings that travel with it.
#include <QString>

#include <cstdint>
#include <string>

#include "document/ui/EditorView.h"
#include "text/TextCharset.h"

namespace sj {

class ProgressWindow;
class TempCopies;

// The temporary copies made for modified documents, deleted at exit.
TempCopies& temporaryCopies();

// The options a page consults while loading and saving; the document set
// fills them from the option set.
struct PageEnvironment {
    bool checkBinaries = true;
    bool makeBackups = false;
    bool backupsWithBak = false;
    bool undoAfterSave = false;
    int fileFormat = 0;
    std::string fileBoxExt = "txt";
    std::string dateFilter;
    ProgressWindow* progress = nullptr;
    int* untitledCounter = nullptr;
};

class DocumentPage : public EditorView {
    Q_OBJECT
public:
    explicit DocumentPage(const PageEnvironment& env, QWidget* parent = nullptr);

    // Replaces the text by the file's; false (with its messages shown) when the
    // file could not be read, the page then keeps its text.
    bool load(const std::string& fileName);
    // Writes the whole text or the selection to target (empty: the page's file).
    bool save(const std::string& target, bool whole);
    void clearPage();
    // Appends the ".LOG" stamp when the first line asks for it.
    void applyLogStamp();

    std::string title() const;
    std::string shortTitle();
    QString qTitle() const { return QString::fromStdString(title()); }
    std::string makeTemporaryCopy(const std::string& extension);
    void toggleOem();

    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& name) { m_fileName = name; }
    bool hasFileName() const { return !m_fileName.empty(); }
    int untitledNumber() const { return m_untitledNumber; }
    std::int64_t fileTime() const { return m_fileTime; }
    void setFileTime(std::int64_t t) { m_fileTime = t; }
    bool truncated() const { return m_truncated; }
    void setTruncated(bool on) { m_truncated = on; }
    bool oem() const { return m_charset == TextCharset::Cp850; }
    void setOem(bool on);
    TextCharset charset() const { return m_charset; }
    void setCharset(TextCharset c) { m_charset = c; }
    int lineFormat() const { return m_lineFormat; }
    void setLineFormat(int format) { m_lineFormat = format; }
    bool defaultSettings() const { return m_defaultSettings; }
    void setDefaultSettings(bool on) { m_defaultSettings = on; }
    bool pristine() const { return m_pristine; }
    void setPristine(bool on) { m_pristine = on; }
    bool clipLibrary() const { return m_clipLibrary; }
    void setClipLibrary(bool on) { m_clipLibrary = on; }
    std::size_t convertedCount() const { return m_converted; }
    // "Incomplete text", "Read only", "Modified" or "Ready", with the details.
    QString stateHint() const;

    PageEnvironment& environment() { return m_env; }

private:
    bool writeText(const std::string& target, bool whole);

    PageEnvironment m_env;
    std::string m_fileName;
    int m_untitledNumber = 0;
    std::int64_t m_fileTime = 0;
    std::size_t m_converted = 0;
    bool m_truncated = false;
    TextCharset m_charset = TextCharset::Utf8;
    bool m_bom = false;
    bool m_charsetKnown = false;  // read from a file; a new page writes UTF-8
    int m_lineFormat = 0;
    bool m_defaultSettings = true;
    bool m_pristine = true;
    bool m_clipLibrary = false;
};

}  // namespace sj
