#include "document/ui/EditorView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "document/LineBreakNormalizer.h"
#include "document/ui/EditorAccessibility.h"
#include "text/Utf8.h"

namespace sj {
namespace {

constexpr Pos kHeadroom = 12287;
constexpr Pos kGrowth = 61439;
constexpr int kLeftMargin = 10;

// The component rejects a null text pointer even for an empty text.
const char* bytesOf(std::string_view text) {
    return text.data() ? text.data() : "";
}

bool isLinkStop(char c) {
    return c == ' ' || c == '"' || c == '<' || c == '=' || c == '>';
}

}  // namespace

EditorView::EditorView(QWidget* parent) : QsciScintilla(parent) {
    installLightEditorAccessibility();
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(this)) {
        if (iface->role() != QAccessible::EditableText || iface->text(QAccessible::Value).size() > 0)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
    // Plain text needs no per-character style bytes: a document without them
    // takes half the memory and loads faster.
    const long plainDocument =
        SendScintilla(SCI_CREATEDOCUMENT, 0, static_cast<long>(SC_DOCUMENTOPTION_STYLES_NONE));
    SendScintilla(SCI_SETDOCPOINTER, 0, plainDocument);
    SendScintilla(SCI_RELEASEDOCUMENT, 0, plainDocument);
    setUtf8(true);
    setEolMode(EolWindows);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
    // Only the "before" notifications: the insert/delete ones make the component
    // recount the whole text on every keystroke.
    SendScintilla(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &EditorView::onModified);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        applyLineStopsToShownLines();
        if (updated & SC_UPDATE_SELECTION) emit caretMoved();
    });
    connect(this, &QsciScintilla::selectionChanged, this, &EditorView::publishPrimarySelection);
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    setMarginWidth(2, 0);
    SendScintilla(SCI_SETMARGINLEFT, 0, kLeftMargin);
    setWrapMode(WrapNone);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    setTabWidth(8);
    setCaretLineVisible(false);
    setBraceMatching(NoBraceMatch);
    setAutoIndent(false);
    SendScintilla(SCI_SETSELEOLFILLED, 0);
    SendScintilla(SCI_SETADDITIONALSELECTIONTYPING, 0);
    // Keep the selection shown when the focus leaves the editor.
    setSelectionBackgroundColor(palette().color(QPalette::Active, QPalette::Highlight));
    setSelectionForegroundColor(palette().color(QPalette::Active, QPalette::HighlightedText));
    applyTabStops();
}

Pos EditorView::selStart() const {
    return const_cast<EditorView*>(this)->SendScintilla(SCI_GETSELECTIONSTART);
}

Pos EditorView::selLength() const {
    auto* self = const_cast<EditorView*>(this);
    return self->SendScintilla(SCI_GETSELECTIONEND) - self->SendScintilla(SCI_GETSELECTIONSTART);
}

void EditorView::setSel(Pos start, Pos length) {
    const Pos len = textLength();
    start = std::clamp<Pos>(start, 0, len);
    const Pos end = std::clamp<Pos>(start + length, 0, len);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(end));
    emit caretMoved();
}

std::string EditorView::selectedBytes() const {
    const Pos start = selStart();
    return std::string(textView().substr(start, selLength()));
}

void EditorView::replaceSelection(std::string_view text) {
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(text.size()), bytesOf(text));
    const Pos end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(end), static_cast<long>(end));
    ensureHeadroom();
    emit caretMoved();
}

Pos EditorView::positionFromPoint(const QPoint& p) const {
    return const_cast<EditorView*>(this)->SendScintilla(SCI_POSITIONFROMPOINTCLOSE, p.x(), p.y());
}

void EditorView::caretToPoint(const QPoint& p) {
    const Pos pos = const_cast<EditorView*>(this)->SendScintilla(SCI_POSITIONFROMPOINT, p.x(), p.y());
    if (pos >= 0) setCaret(pos);
}

int EditorView::displayLineHeight() const {
    return std::max<int>(1, const_cast<EditorView*>(this)->SendScintilla(SCI_TEXTHEIGHT, 0));
}

int EditorView::caretLine() const {
    return caretLineAndColumn().first;
}

std::pair<int, int> EditorView::caretLineAndColumn() const {
    auto* self = const_cast<EditorView*>(this);
    const Pos pos = selStart();
    const int docLine = self->SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
    Pos lineStart = self->SendScintilla(SCI_POSITIONFROMLINE, docLine);
    int line = docLine;
    if (wordWrap()) {
        // A wrapped paragraph counts one line per displayed row.
        const int sub = (self->SendScintilla(SCI_POINTYFROMPOSITION, 0, static_cast<long>(pos)) -
                         self->SendScintilla(SCI_POINTYFROMPOSITION, 0, static_cast<long>(lineStart))) /
                        displayLineHeight();
        line = self->SendScintilla(SCI_VISIBLEFROMDOCLINE, docLine) + sub;
        lineStart = displayLineIndex(line);
    }
    const int column =
        1 + static_cast<int>(self->SendScintilla(SCI_COUNTCHARACTERS, static_cast<unsigned long>(lineStart),
                                                 static_cast<long>(pos)));
    return {line + 1, column};
}

int EditorView::displayLineCount() const {
    auto* self = const_cast<EditorView*>(this);
    const Pos len = textLength();
    if (len == 0) return 0;
    int lines = self->SendScintilla(SCI_GETLINECOUNT);
    // A final line break does not start a further line.
    const std::string_view text = textView();
    if (text.back() == '\n' || text.back() == '\r') --lines;
    if (!wordWrap()) return lines;
    return self->SendScintilla(SCI_VISIBLEFROMDOCLINE, lines - 1) +
           self->SendScintilla(SCI_WRAPCOUNT, lines - 1);
}

Pos EditorView::displayLineIndex(int line) const {
    auto* self = const_cast<EditorView*>(this);
    if (!wordWrap()) return self->SendScintilla(SCI_POSITIONFROMLINE, line);
    const int docLine = self->SendScintilla(SCI_DOCLINEFROMVISIBLE, line);
    const Pos start = self->SendScintilla(SCI_POSITIONFROMLINE, docLine);
    const int sub = line - static_cast<int>(self->SendScintilla(SCI_VISIBLEFROMDOCLINE, docLine));
    if (sub <= 0) return start;
    const int y =
        self->SendScintilla(SCI_POINTYFROMPOSITION, 0, static_cast<long>(start)) + sub * displayLineHeight();
    const int x = self->SendScintilla(SCI_POINTXFROMPOSITION, 0, static_cast<long>(start));
    return self->SendScintilla(SCI_POSITIONFROMPOINT, x, y);
}

std::string EditorView::displayLineText(int line) const {
    const Pos start = displayLineIndex(line);
    Pos end = line + 1 < displayLineCount() ? displayLineIndex(line + 1) : textLength();
    const std::string_view text = textView();
    std::string_view piece = text.substr(start, end - start);
    while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r')) piece.remove_suffix(1);
    return std::string(piece);
}

void EditorView::goTo(int line, int column) {
    const int lines = std::max(1, displayLineCount());
    line = std::clamp(line, 1, lines);
    const Pos start = displayLineIndex(line - 1);
    const Pos pos = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(start), column - 1);
    setCaret(pos > 0 || column == 1 ? pos : start);
    ensureCursorVisible();
}

void EditorView::selectLines(int first, int last) {
    const Pos start = displayLineIndex(first);
    std::string tail = displayLineText(last);
    const Pos end = displayLineIndex(last) + static_cast<Pos>(tail.size());
    setSel(start, end - start);
}

void EditorView::selectLinkAtCaret() {
    const std::string_view text = textView();
    const int docLine = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(selStart()));
    const Pos lineStart = SendScintilla(SCI_POSITIONFROMLINE, docLine);
    const Pos lineEnd = SendScintilla(SCI_GETLINEENDPOSITION, docLine);
    Pos start = selStart();
    Pos end = std::min(start + selLength(), lineEnd);
    while (start > lineStart && !isLinkStop(text[start - 1])) --start;
    while (end < lineEnd && !isLinkStop(text[end])) ++end;
    setSel(start, end - start);
}

Pos EditorView::textLength() const {
    return const_cast<EditorView*>(this)->SendScintilla(SCI_GETLENGTH);
}

std::string_view EditorView::textView() const {
    auto* self = const_cast<EditorView*>(this);
    const char* data = reinterpret_cast<const char*>(self->SendScintilla(SCI_GETCHARACTERPOINTER));
    return {data, static_cast<std::size_t>(textLength())};
}

std::size_t EditorView::characterCount() const {
    if (!m_characterCount) m_characterCount = utf8::countChars(textView());
    return *m_characterCount;
}

std::string_view EditorView::bytesAt(Pos start, Pos length) const {
    const Pos len = textLength();
    start = std::clamp<Pos>(start, 0, len);
    length = std::clamp<Pos>(length, 0, len - start);
    auto* self = const_cast<EditorView*>(this);
    const char* data = reinterpret_cast<const char*>(self->SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(length)));
    return {data ? data : "", static_cast<std::size_t>(data ? length : 0)};
}

void EditorView::replaceRange(Pos start, Pos length, std::string_view text) {
    suspend();
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), static_cast<long>(start + length));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(text.size()), bytesOf(text));
    SendScintilla(SCI_ENDUNDOACTION);
    ensureHeadroom();
    resume();
}

void EditorView::loadText(std::string_view text, std::optional<std::size_t> characters) {
    const bool wasLocked = m_locked;
    m_locked = true;
    const bool ro = isReadOnly();
    // The old text goes without being counted.
    m_characterCount.reset();
    m_countFollowsEdits = false;
    SendScintilla(SCI_SETREADONLY, 0);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0);
    SendScintilla(SCI_CLEARALL);
    // Room to type in: without it the first key copies the whole buffer into a
    // bigger one, a pause of a second at a few hundred megabytes.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(text.size() + text.size() / 32 + 4096));
    // Appending with an explicit length keeps NUL bytes.
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), bytesOf(text));
    finishLoad(ro, characters);
    m_locked = wasLocked;
    emit caretMoved();
}

void EditorView::adoptDocument(void* document, std::optional<std::size_t> characters) {
    const bool wasLocked = m_locked;
    m_locked = true;
    const bool ro = isReadOnly();
    // These settings belong to the text, not to the view: the new one takes
    // them over.
    const long codePage = SendScintilla(SCI_GETCODEPAGE);
    const long eolMode = SendScintilla(SCI_GETEOLMODE);
    const long tabWidth = SendScintilla(SCI_GETTABWIDTH);
    const long useTabs = SendScintilla(SCI_GETUSETABS);
    const long indent = SendScintilla(SCI_GETINDENT);
    const auto pointer = reinterpret_cast<long>(document);
    SendScintilla(SCI_SETDOCPOINTER, 0, pointer);
    SendScintilla(SCI_RELEASEDOCUMENT, 0, pointer);
    SendScintilla(SCI_SETCODEPAGE, codePage);
    SendScintilla(SCI_SETEOLMODE, eolMode);
    SendScintilla(SCI_SETTABWIDTH, tabWidth);
    SendScintilla(SCI_SETUSETABS, useTabs);
    SendScintilla(SCI_SETINDENT, indent);
    finishLoad(ro, characters);
    m_locked = wasLocked;
    emit caretMoved();
}

void EditorView::finishLoad(bool readOnly, std::optional<std::size_t> characters) {
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_SETREADONLY, readOnly ? 1 : 0);
    m_characterCount = characters;
    m_countFollowsEdits = characters.has_value();
    m_textLimit = std::max<Pos>(m_textLimit, textLength() + kGrowth);
    SendScintilla(SCI_GOTOPOS, 0);
    m_editedPending = false;
}

bool EditorView::canUndoEdit() const {
    return !isReadOnly() && isUndoAvailable();
}

void EditorView::undo() {
    if (!canUndoEdit()) return;
    QsciScintilla::undo();
    emit caretMoved();
}

bool EditorView::canRedoEdit() const {
    return !isReadOnly() && isRedoAvailable();
}

void EditorView::redo() {
    if (!canRedoEdit()) return;
    QsciScintilla::redo();
    emit caretMoved();
}

void EditorView::clearUndo() {
    if (!isModified()) return;
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
}

void EditorView::setReadOnly(bool on) {
    if (on == isReadOnly()) return;
    QsciScintilla::setReadOnly(on);
    emit readOnlyChanged(on);
}

void EditorView::setModifiedFlag(bool on) {
    if (on == isModified()) return;
    if (!on) {
        SendScintilla(SCI_SETSAVEPOINT);
    } else {
        // The component has no way to mark a text dirty; an empty undoable
        // action leaves the save point behind without touching the text.
        const Pos pos = selStart();
        SendScintilla(SCI_BEGINUNDOACTION);
        SendScintilla(SCI_INSERTTEXT, static_cast<unsigned long>(pos), " ");
        SendScintilla(SCI_DELETERANGE, static_cast<unsigned long>(pos), 1L);
        SendScintilla(SCI_ENDUNDOACTION);
    }
}

bool EditorView::canPaste() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return !isReadOnly() && data && data->hasText();
}

void EditorView::paste() {
    if (!canPaste()) return;
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    ensurePasteHeadroom(text.size());
    QsciScintilla::paste();
    emit caretMoved();
}

void EditorView::copy() {
    if (!hasSelection()) return;
    const std::string text = LineBreakNormalizer::toUnix(selectedBytes());
    QApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void EditorView::cut() {
    if (!canCut()) return;
    copy();
    replaceSelection({});
}

// The component offers the selection with the buffer's CR LF breaks; offer it
// again, after it, in the form other programs read.
void EditorView::publishPrimarySelection() {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection() || !hasSelection()) return;
    const std::string selected = selectedBytes();
    if (selected.find('\r') == std::string::npos) return;
    const std::string text = LineBreakNormalizer::toUnix(selected);
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       QClipboard::Selection);
}

void EditorView::setWordWrap(bool on) {
    if (on == wordWrap()) return;
    const bool wasModified = isModified();
    const Pos start = selStart(), length = selLength();
    suspend();
    setWrapMode(on ? WrapWord : WrapNone);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(start + length));
    resume();
    if (!wasModified) clearUndo();
    emit caretMoved();
}

void EditorView::setOverwrite(bool on) {
    if (on == overwriteMode()) return;
    setOverwriteMode(on);
    emit overwriteChanged(on);
}

double EditorView::pixelsPerInch() const {
    return screen() ? screen()->logicalDotsPerInchX() : 0.0;
}

void EditorView::setTabUnits(int units) {
    if (units == tabUnits() || units < 0 || units > 2) return;
    m_tabs.setUnit(static_cast<TabUnit>(units), pixelsPerInch());
    applyTabStops();
}

void EditorView::setTabSettings(const std::string& text) {
    if (text == m_tabs.text()) return;
    m_tabs.setText(text);
    applyTabStops();
}

void EditorView::applyTabStops() {
    const double ppi = pixelsPerInch() > 0 ? pixelsPerInch() : 96.0;
    const std::vector<int> stops = m_tabs.pixels(ppi);
    // Equally spaced stops (the default list among them) are the component's
    // uniform tab width, the nearest whole number of spaces: per-line stops
    // cost a table entry for every line up to the last one shown, which on a
    // jump to the end of a big file is millions of entries. Only a list that is
    // not equally spaced is set per line, on the lines being shown.
    const int spaceWidth = std::max<int>(1, SendScintilla(SCI_TEXTWIDTH, STYLE_DEFAULT, " "));
    const int first = stops.empty() ? static_cast<int>(ppi / 2) : stops.front();
    setTabWidth(std::max(1, static_cast<int>(std::lround(static_cast<double>(first) / spaceWidth))));
    // Judged in the list's own unit: rounding to points and pixels would make
    // an equally spaced list look uneven.
    const std::vector<double>& given = m_tabs.positions();
    bool regular = true;
    for (std::size_t i = 0; i < given.size() && regular; ++i)
        regular = std::abs(given[i] - static_cast<double>(i + 1) * given.front()) < 1e-6 * given.back();
    const bool hadLineStops = !m_lineStops.empty();
    m_lineStops = regular ? std::vector<int>() : stops;
    if (hadLineStops) {
        // The stops set before no longer hold.
        const int lines = SendScintilla(SCI_GETLINECOUNT);
        for (int line = 0; line < lines; ++line) SendScintilla(SCI_CLEARTABSTOPS, line);
    }
    applyLineStopsToShownLines();
}

void EditorView::applyLineStopsToShownLines() {
    if (m_lineStops.empty()) return;
    const int lines = SendScintilla(SCI_GETLINECOUNT);
    const int firstShown = SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
    const int lastShown = std::min<int>(
        lines - 1, SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE) +
                                                             SendScintilla(SCI_LINESONSCREEN) + 1));
    for (int line = firstShown; line <= lastShown; ++line) {
        if (SendScintilla(SCI_GETNEXTTABSTOP, line, 0L) == m_lineStops.front()) continue;
        SendScintilla(SCI_CLEARTABSTOPS, line);
        for (const int x : m_lineStops) SendScintilla(SCI_ADDTABSTOP, line, static_cast<long>(x));
    }
}

void EditorView::ensureHeadroom() {
    const Pos len = textLength();
    if (m_textLimit < len + kHeadroom) m_textLimit = len + kGrowth;
}

void EditorView::ensurePasteHeadroom(Pos incoming) {
    const Pos len = textLength();
    if (m_textLimit < len + incoming + kHeadroom) m_textLimit = len + incoming + kGrowth;
}

void EditorView::setLocked(bool on) {
    m_locked = on;
    if (!on && isModified()) {
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        SendScintilla(SCI_SETSAVEPOINT);
    }
}

void EditorView::suspend() {
    if (m_suspended++ == 0) setUpdatesEnabled(false);
}

void EditorView::resume() {
    if (m_suspended == 0) return;
    if (--m_suspended == 0) {
        setUpdatesEnabled(true);
        m_editedPending = false;
        if (!m_locked) emit edited();
    }
}

void EditorView::insertPageBreak() {
    if (isReadOnly()) return;
    Pos pos = selStart();
    const int docLine = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
    const Pos lineStart = SendScintilla(SCI_POSITIONFROMLINE, docLine);
    if (pos != lineStart) {
        const int lines = SendScintilla(SCI_GETLINECOUNT);
        pos = docLine + 1 < lines ? static_cast<Pos>(SendScintilla(SCI_POSITIONFROMLINE, docLine + 1))
                                  : textLength();
    }
    setSel(pos, 0);
    replaceSelection("\f");
}

void EditorView::setFont(const QFont& font) {
    QsciScintilla::setFont(font);
    // Without a lexer the default style carries the text font.
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, font.family().toUtf8().constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, static_cast<long>(font.pointSizeF() * 100));
    SendScintilla(SCI_STYLESETBOLD, STYLE_DEFAULT, font.bold());
    SendScintilla(SCI_STYLESETITALIC, STYLE_DEFAULT, font.italic());
    SendScintilla(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, font.underline());
    SendScintilla(SCI_STYLECLEARALL);
    applyTabStops();
}

void EditorView::setTextColours(const QColor& text, const QColor& page) {
    auto bgr = [](const QColor& c) {
        return static_cast<long>(c.red() | (c.green() << 8) | (c.blue() << 16));
    };
    SendScintilla(SCI_STYLESETFORE, STYLE_DEFAULT, bgr(text));
    SendScintilla(SCI_STYLESETBACK, STYLE_DEFAULT, bgr(page));
    SendScintilla(SCI_STYLECLEARALL);
    setCaretForegroundColor(text);
}

void EditorView::keyPressEvent(QKeyEvent* e) {
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    // The component's own copy and cut keys would hand over the buffer's CR LF.
    if (e->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        cut();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::ControlModifier) {
        insertPageBreak();
        return;
    }
    if (e->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        m_insertPressed = true;
        if (m_internalOvr) return;  // toggled on release
    }
    if (isReadOnly() && !(mods & (Qt::ControlModifier | Qt::AltModifier)) &&
        ((!e->text().isEmpty() && e->text().at(0).unicode() >= 32) || e->key() == Qt::Key_Return ||
         e->key() == Qt::Key_Enter || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete ||
         e->key() == Qt::Key_Tab)) {
        emit typedIntoReadOnly();
        return;
    }
    if (e->key() == Qt::Key_Escape && m_undoOnEsc && isModified()) {
        undo();
        return;
    }
    if (m_internalOvr && overwriteMode() && !isReadOnly() && !hasSelection() && !e->text().isEmpty() &&
        e->text().at(0).unicode() >= 32 && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        // Typed characters replace the one after the caret, but never a line end.
        const std::string_view text = textView();
        const Pos pos = selStart();
        if (pos < static_cast<Pos>(text.size()) && static_cast<unsigned char>(text[pos]) >= 32) {
            const Pos next = SendScintilla(SCI_POSITIONAFTER, static_cast<unsigned long>(pos));
            SendScintilla(SCI_BEGINUNDOACTION);
            SendScintilla(SCI_SETSEL, static_cast<unsigned long>(pos), static_cast<long>(next));
            const QByteArray typed = e->text().toUtf8();
            replaceSelection(std::string_view(typed.constData(), typed.size()));
            SendScintilla(SCI_ENDUNDOACTION);
            return;
        }
        // At a line end typing inserts.
        setOverwriteMode(false);
        QsciScintilla::keyPressEvent(e);
        setOverwriteMode(true);
        return;
    }
    QsciScintilla::keyPressEvent(e);
}

void EditorView::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Insert && m_insertPressed &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_insertPressed = false;
        if (m_internalOvr) {
            setOverwrite(!overwriteMode());
            return;
        }
        emit overwriteChanged(overwriteMode());
    }
    QsciScintilla::keyReleaseEvent(e);
}

void EditorView::resizeEvent(QResizeEvent* e) {
    QsciScintilla::resizeEvent(e);
}

void EditorView::contextMenuEvent(QContextMenuEvent* e) {
    if (!m_contextMenu) {
        QsciScintilla::contextMenuEvent(e);
        return;
    }
    m_contextMenu->popup(e->globalPos());
    e->accept();
}

void EditorView::onModified(int position, int type, const char* text, int length, int, int, int, int, int,
                            int) {
    if (!(type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))) return;
    // Counting what changes instead of the whole text: the hint of a big page
    // saved or undone back costs nothing. A big change (a sort, Replace All)
    // leaves the count to the next hint that needs it instead.
    constexpr int kCountedChange = 1 << 20;
    if (m_characterCount && m_countFollowsEdits && length <= kCountedChange &&
        (text || (type & SC_MOD_BEFOREDELETE))) {
        if (type & SC_MOD_BEFOREINSERT) {
            *m_characterCount += utf8::countChars(std::string_view(text, static_cast<std::size_t>(length)));
        } else {
            const std::size_t gone = utf8::countChars(bytesAt(position, length));
            *m_characterCount -= std::min(gone, *m_characterCount);
        }
    } else {
        m_characterCount.reset();
    }
    if (m_locked || m_suspended || m_editedPending) return;
    m_editedPending = true;
    QTimer::singleShot(0, this, &EditorView::flushEdited);
}

void EditorView::flushEdited() {
    if (!m_editedPending) return;
    m_editedPending = false;
    ensureHeadroom();
    if (!m_locked && !m_suspended) emit edited();
}

}  // namespace sj
