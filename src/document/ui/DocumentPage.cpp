#include "document/ui/DocumentPage.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>

#include <algorithm>
#include <optional>

#include "document/DocumentLoader.h"
#include "document/DocumentNames.h"
#include "document/DocumentSaver.h"
#include "document/EncodedSize.h"
#include "document/LogStamp.h"
#include "document/SaveChecks.h"
#include "document/ui/EditorLoad.h"
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
    // The text goes into the editor as it is read, not through a copy.
    EditorLoad into(*this);
    options.sink = &into;
    LoadResult result = DocumentLoader::load(fileName, options);
    if (progressShown) progress->close();
    if (!result.ok) {
        for (const std::string& e : result.errors) msg::error(q(e));
        return false;
    }
    setLocked(true);
    if (result.streamed)
        into.install(result.characters);
    else
        loadText(result.text, result.characters);
    setLocked(false);
    result.text = std::string();
    m_fileName = fileName;
    m_fileTime = result.fileTime;
    m_identity = result.identity;
    m_converted = result.converted;
    m_truncated = result.incomplete();
    m_loadCancelled = result.cancelled;
    m_binary = result.binary;
    m_byteEscapes = result.invalidBytes > 0;
    m_charset = result.charset;
    m_bom = result.bom;
    m_charsetKnown = true;
    m_pristine = false;
    // The file's own breaks decide how it is written back, unless the user
    // chose a format for it; a file without breaks keeps the page's format.
    m_lineFormatFromFile = result.lineFormat >= 0;
    if (m_lineFormatFromFile && !m_lineFormatChosen) m_lineFormat = result.lineFormat;
    if (m_binary) {
        msg::info(q(DocumentLoader::binaryNotice(fileName)));
        return true;
    }
    if (m_converted > 0) msg::info(q(DocumentLoader::binaryWarning(fileName, m_converted)));
    if (result.invalidBytes > 0)
        msg::info(q(DocumentLoader::invalidBytesNotice(fileName, result.invalidBytes)));
    if (result.breaksRewritten && !m_lineFormatChosen)
        msg::info(q(DocumentLoader::breaksRewrittenNotice(fileName, m_lineFormat)));
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

bool DocumentPage::rereadAsOem(bool on) {
    if (on == oem()) return true;
    const TextCharset current = m_charsetKnown || oem() ? m_charset : TextCharset::Utf8;
    TextCharset charset = current;
    std::size_t unmappable = 0;
    const std::optional<std::string> text =
        DocumentLoader::recode(textView(), current, on, charset, &unmappable);
    if (!text) {
        msg::error(q(DocumentLoader::recodeRefusedMessage(title(), current, textView(), unmappable)));
        return false;
    }
    const Pos start = selStart(), length = selLength();
    const bool wasModified = isModified();
    const bool wasReadOnly = isReadOnly();
    if (*text != textView()) {
        setReadOnly(false);
        replaceRange(0, textLength(), *text);
        setReadOnly(wasReadOnly);
        if (!wasModified) {
            clearUndo();
            setModifiedFlag(false);
        }
    }
    m_charset = charset;
    m_charsetKnown = true;
    const Pos size = textLength();
    setSel(std::min(start, size), std::min(length, size - std::min(start, size)));
    return true;
}

void DocumentPage::clearPage() {
    m_fileName.clear();
    m_untitledNumber = 0;  // an emptied page draws a fresh untitled number
    m_fileTime = 0;
    m_identity = {};
    m_truncated = false;
    m_loadCancelled = false;
    m_binary = false;
    m_byteEscapes = false;
    m_lineFormatFromFile = false;
    m_lineFormatChosen = false;
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

SaveOptions DocumentPage::saveOptions(bool whole) const {
    SaveOptions options;
    options.whole = whole;
    options.lineFormat = m_lineFormat;
    // A page that never came from a file is written as UTF-8.
    options.charset = m_charsetKnown || oem() ? m_charset : TextCharset::Utf8;
    options.bom = m_bom && options.charset == TextCharset::Utf8;
    options.keepBreaks = m_binary;
    options.byteEscapes = m_byteEscapes && options.charset == TextCharset::Utf8;
    return options;
}

bool DocumentPage::save(const std::string& givenTarget, bool whole) {
    const std::string target = givenTarget.empty() ? m_fileName : givenTarget;
    if (!SaveChecks::mayWriteIncomplete(m_truncated, target, m_fileName)) {
        msg::error(q(SaveChecks::incompleteMessage(m_fileName)));
        return false;
    }
    WaitCursor wait;
    SaveOptions options = saveOptions(whole);
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
    if (m_truncated && !SaveChecks::sameFile(target, m_fileName)) m_truncated = m_loadCancelled = false;
    m_fileName = target;
    m_fileTime = result.fileTime;
    m_identity = FileIdentity::of(target);
    m_charsetKnown = true;
    m_charset = options.charset;
    return true;
}

std::string DocumentPage::makeTemporaryCopy(const std::string& extension) {
    if (!isModified()) return title();
    const std::string ext = DocumentNames::tempCopyExtension(m_fileName, extension, m_env.fileBoxExt);
    const std::string dir =
        hasFileName() ? fileutils::directoryOf(m_fileName) : TempCopies::defaultDirectory();
    const auto bytes = DocumentSaver::encode(textView(), saveOptions(true));
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
    // The size of the file as written, not of the editor's CR LF buffer.
    TextCounts counts;
    counts.bytes = static_cast<std::uint64_t>(textLength());
    counts.characters = characterCount();
    // Every break in the buffer is CR LF; the last line has none.
    counts.lineBreaks = static_cast<std::uint64_t>(std::max(0L, SendScintilla(SCI_GETLINECOUNT) - 1));
    const TextCharset charset = m_charsetKnown || oem() ? m_charset : TextCharset::Utf8;
    return word + QStringLiteral("  [") + QString::number(encodedSize(counts, charset, m_lineFormat, m_bom)) +
           QStringLiteral(" bytes, ") + QString::number(displayLineCount()) + QStringLiteral(" lines]");
}

}  // namespace sj
