#include "document/ui/DocumentPage.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>

#include "document/DocumentLoader.h"
#include "document/DocumentNames.h"
#include "document/DocumentSaver.h"
#include "document/LogStamp.h"
#include "document/ui/LocaleDates.h"
#include "files/FileStatus.h"
#include "files/FileUtils.h"
#include "files/TempCopies.h"
#include "text/Cp850.h"
#include "text/Windows1252.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/ProgressWindow.h"

namespace sj {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

DocumentPage::DocumentPage(const PageEnvironment& env, QWidget* parent) : EditorView(parent), m_env(env) {}

bool DocumentPage::load(const std::string& fileName) {
    const int status = FileStatus::of(fileName);
    if (status != FileStatus::kUsable) {
        msg::error(q(FileStatus::message(status, fileName)));
        msg::error(q(DocumentLoader::loadFailedMessage(fileName)));
        return false;
    }
    WaitCursor wait;
    LoadOptions options;
    options.checkBinaries = m_env.checkBinaries;
    options.oem = oem();
    ProgressWindow* progress = m_env.progress;
    bool progressShown = false;
    options.progress = [&](std::uint64_t done, std::uint64_t total) {
        if (!progress || !DocumentLoader::needsProgress(total)) return true;
        if (!progressShown) {
            progress->open(q(DocumentLoader::progressCaption(fileName)), QString(), 0,
                           static_cast<qint64>(total));
            progressShown = true;
        }
        progress->stepTo(static_cast<qint64>(done));
        return !progress->cancelled();
    };
    LoadResult result = DocumentLoader::load(fileName, options);
    if (progressShown) progress->close();
    if (!result.ok) {
        for (const std::string& e : result.errors) msg::error(q(e));
        return false;
    }
    setLocked(true);
    loadText(result.text);
    setLocked(false);
    result.text = std::string();
    m_fileName = fileName;
    m_fileTime = result.fileTime;
    m_converted = result.converted;
    // A cancelled load is protected like a truncated one: saving the part that
    // was read over the whole file would lose the rest of it.
    m_truncated = result.incomplete();
    m_charset = result.charset;
    m_bom = result.bom;
    m_charsetKnown = true;
    m_pristine = false;
    // A file with LF breaks only stays that way unless its own settings say otherwise.
    if (result.unixLineBreaks && m_defaultSettings) m_lineFormat = 1;
    if (m_converted > 0) msg::info(q(DocumentLoader::binaryWarning(fileName, m_converted)));
    return true;
}

void DocumentPage::applyLogStamp() {
    // Only the first line and the last two bytes matter; a big text is not copied.
    if (isReadOnly() || !LogStamp::isLogDocument(bytesAt(0, LogStamp::kDecidingBytes))) return;
    const Pos length = textLength();
    replaceRange(length, 0, LogStamp::tail(bytesAt(length - 2, 2), currentDateStamp(m_env.dateFilter)));
    caretToEnd();
    setModifiedFlag(true);
}

void DocumentPage::setOem(bool on) {
    if (on)
        m_charset = TextCharset::Cp850;
    else if (m_charset == TextCharset::Cp850)
        m_charset = TextCharset::Windows1252;
}

void DocumentPage::toggleOem() {
    // The text shown stays the same characters; what changes is the character
    // set the file is written in.
    setOem(!oem());
    m_charsetKnown = true;
}

void DocumentPage::clearPage() {
    m_fileName.clear();
    m_untitledNumber = 0;  // an emptied page draws a fresh untitled number
    m_fileTime = 0;
    m_truncated = false;
    m_converted = 0;
    m_charsetKnown = false;
    m_charset = TextCharset::Utf8;
    m_bom = false;
    setReadOnly(false);
    loadText({});
    m_pristine = true;
}

TempCopies& temporaryCopies() {
    static TempCopies copies;
    return copies;
}

bool DocumentPage::save(const std::string& givenTarget, bool whole) {
    const std::string target = givenTarget.empty() ? m_fileName : givenTarget;
    WaitCursor wait;
    SaveOptions options;
    options.whole = whole;
    options.lineFormat = m_lineFormat;
    // A page that never came from a file is written as UTF-8.
    options.charset = m_charsetKnown || oem() ? m_charset : TextCharset::Utf8;
    options.bom = m_bom && options.charset == TextCharset::Utf8;
    options.makeBackups = m_env.makeBackups;
    options.backupsWithBak = m_env.backupsWithBak;
    const std::string_view text = whole ? textView() : textView().substr(selStart(), selLength());
    const bool wasModified = isModified();
    SaveResult result = DocumentSaver::save(target, text, options);
    if (result.status == SaveStatus::Unmappable) {
        // Never drop a character silently: offer UTF-8, which holds them all.
        if (!msg::askYesNo(q(result.message))) return false;
        options.charset = TextCharset::Utf8;
        result = DocumentSaver::save(target, text, options);
        if (result.ok() && whole) {
            m_charset = TextCharset::Utf8;
            m_charsetKnown = true;
        }
    }
    if (!result.ok()) {
        msg::error(q(result.message));
        return false;
    }
    if (!whole) return true;
    if (wasModified) {
        if (m_env.undoAfterSave)
            setModifiedFlag(false);
        else {
            SendScintilla(SCI_EMPTYUNDOBUFFER);
            setModifiedFlag(false);
        }
    }
    m_untitledNumber = 0;
    m_fileName = target;
    m_fileTime = result.fileTime;
    m_charsetKnown = true;
    m_charset = options.charset;
    return true;
}

std::string DocumentPage::makeTemporaryCopy(const std::string& extension) {
    if (!isModified()) return title();
    const std::string ext = DocumentNames::tempCopyExtension(m_fileName, extension, m_env.fileBoxExt);
    const std::string dir =
        hasFileName() ? fileutils::directoryOf(m_fileName) : TempCopies::defaultDirectory();
    SaveOptions options;
    options.lineFormat = m_lineFormat;
    options.charset = m_charsetKnown || oem() ? m_charset : TextCharset::Utf8;
    const auto bytes = DocumentSaver::encode(textView(), options);
    std::string error;
    const std::string name =
        temporaryCopies().create(dir, ext, bytes ? *bytes : std::string(textView()), &error);
    if (name.empty()) msg::error(q(error));
    return name;
}

std::string DocumentPage::title() const {
    return DocumentNames::title(m_fileName, m_untitledNumber);
}

std::string DocumentPage::shortTitle() {
    int dummy = 0;
    int& counter = m_env.untitledCounter ? *m_env.untitledCounter : dummy;
    return DocumentNames::shortTitle(m_fileName, m_untitledNumber, counter);
}

QString DocumentPage::stateHint() const {
    QString word = m_truncated    ? QStringLiteral("Incomplete text")
                   : isReadOnly() ? QStringLiteral("Read only")
                   : isModified() ? QStringLiteral("Modified")
                                  : QStringLiteral("Ready");
    const Pos len = textLength();
    if (isModified() || len == 0)
        return word + QStringLiteral("   (Press mouse right button for shortcut menu)");
    return word + QStringLiteral("  [") + QString::number(characterCount()) + QStringLiteral(" bytes, ") +
           QString::number(displayLineCount()) + QStringLiteral(" lines]");
}

}  // namespace sj
