#pragma once
// `DocumentPage`: one open document, the editor plus the identity of its file and
// the per-file settings that travel with it.
#include <QString>

#include <cstdint>
#include <string>

#include "document/DocumentSaver.h"
#include "document/ui/EditorView.h"
#include "files/FileIdentity.h"
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
    // Switches the DOS character set the way the file's bytes read: the text is
    // read again from the bytes it stands for, keeping the selection (as far as
    // it goes) and the modified state. False, after a message, when the text
    // holds characters the file could not have had.
    bool rereadAsOem(bool on);

    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& name) { m_fileName = name; }
    bool hasFileName() const { return !m_fileName.empty(); }
    int untitledNumber() const { return m_untitledNumber; }
    std::int64_t fileTime() const { return m_fileTime; }
    void setFileTime(std::int64_t t) { m_fileTime = t; }
    // The file as it was when loaded or last saved here.
    const FileIdentity& fileIdentity() const { return m_identity; }
    void setFileIdentity(const FileIdentity& id) { m_identity = id; }
    // Only part of the file is in the page: saving it over that file would
    // lose the rest, so it may be saved only under another name.
    bool truncated() const { return m_truncated; }
    void setTruncated(bool on) { m_truncated = on; }
    bool loadCancelled() const { return m_loadCancelled; }
    // The file looked binary: its bytes are held as they are and written back so.
    bool binary() const { return m_binary; }
    bool oem() const { return m_charset == TextCharset::Cp850; }
    void setOem(bool on);
    TextCharset charset() const { return m_charset; }
    void setCharset(TextCharset c) { m_charset = c; }
    int lineFormat() const { return m_lineFormat; }
    void setLineFormat(int format) { m_lineFormat = format; }
    // The line format came from the file's own breaks, or the user chose it;
    // either way the FileFormat option does not override it.
    bool lineFormatFromFile() const { return m_lineFormatFromFile; }
    bool lineFormatChosen() const { return m_lineFormatChosen; }
    void setLineFormatChosen(bool on) { m_lineFormatChosen = on; }
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
    SaveOptions saveOptions(bool whole) const;

    PageEnvironment m_env;
    std::string m_fileName;
    int m_untitledNumber = 0;
    std::int64_t m_fileTime = 0;
    FileIdentity m_identity;
    std::size_t m_converted = 0;
    bool m_truncated = false;
    bool m_loadCancelled = false;
    bool m_binary = false;
    bool m_byteEscapes = false;  // the text carries bytes that are not UTF-8
    TextCharset m_charset = TextCharset::Utf8;
    bool m_bom = false;
    bool m_charsetKnown = false;  // read from a file; a new page writes UTF-8
    int m_lineFormat = 0;
    bool m_lineFormatFromFile = false;
    bool m_lineFormatChosen = false;
    bool m_defaultSettings = true;
    bool m_pristine = true;
    bool m_clipLibrary = false;
};

}  // namespace sj
