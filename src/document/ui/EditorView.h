#pragma once
// `EditorView`: the plain-text editing control under every document page.
// UTF-8 buffer, CR LF line breaks inside, positions are byte offsets.
#include <Qsci/qsciscintilla.h>
#include <QMenu>
#include <QPointer>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/TabStops.h"

namespace sj {

using Pos = std::int64_t;

class EditorView : public QsciScintilla {
    Q_OBJECT
public:
    explicit EditorView(QWidget* parent = nullptr);

    // Selection and caret (positions are byte offsets, CR LF counts two).
    Pos selStart() const;
    Pos selLength() const;
    bool hasSelection() const { return selLength() != 0; }
    void setSel(Pos start, Pos length);
    void setCaret(Pos pos) { setSel(pos, 0); }
    void selectFromCaret(Pos length) { setSel(selStart(), length); }
    std::string selectedBytes() const;
    void replaceSelection(std::string_view text);
    void caretToEnd() { setCaret(textLength()); }
    void caretToStart() { setCaret(0); }
    Pos positionFromPoint(const QPoint& p) const;
    void caretToPoint(const QPoint& p);

    // Lines: 0-based in index operations, 1-based for the user; columns from 1.
    // With word wrap on these count displayed lines.
    int caretLine() const;
    std::pair<int, int> caretLineAndColumn() const;
    void goTo(int line, int column);
    int displayLineCount() const;
    Pos displayLineIndex(int line) const;
    std::string displayLineText(int line) const;
    void selectLines(int first, int last);
    void selectLinkAtCaret();

    // Whole text. textView() stays valid until the next change.
    Pos textLength() const;
    std::string_view textView() const;
    std::string textBytes() const { return std::string(textView()); }
    // The characters of the whole text, counted once and kept until it changes
    // (or, counted by the load, kept up to date).
    std::size_t characterCount() const;
    // The bytes of [start, start + length), clipped to the text, without
    // making the whole buffer contiguous.
    std::string_view bytesAt(Pos start, Pos length) const;
    // Replaces a range as one undo step with screen updates held.
    void replaceRange(Pos start, Pos length, std::string_view text);
    // Replaces the whole text without undo (loading) and leaves it unmodified;
    // characters is its count when the caller knows it.
    void loadText(std::string_view text, std::optional<std::size_t> characters = std::nullopt);
    // The same with a text the component built apart (EditorLoad): the view
    // shows it from now on and owns it.
    void adoptDocument(void* document, std::optional<std::size_t> characters);

    // Undo and clipboard.
    bool canUndoEdit() const;
    void undo() override;
    bool canRedoEdit() const;
    void redo() override;
    void clearUndo();
    bool canCut() const { return !isReadOnly() && hasSelection(); }
    bool canCopy() const { return hasSelection(); }
    bool canPaste() const;
    void paste() override;
    // Text leaves for other programs with LF breaks, as they expect on Linux.
    void copy() override;
    void cut() override;

    // Modes.
    void setWordWrap(bool on);
    bool wordWrap() const { return wrapMode() != WrapNone; }
    void setOverwrite(bool on);
    bool overwrite() const { return overwriteMode(); }
    void setUndoOnEsc(bool on) { m_undoOnEsc = on; }
    void setInternalOvr(bool on) { m_internalOvr = on; }
    void setModifiedFlag(bool on);
    void setReadOnly(bool on) override;

    // Tab stops in the list's unit (0 inches, 1 cm, 2 pixels), text form "0.5;1.25".
    // Regular lists are the uniform tab width; others are set on each line shown.
    void setTabSettings(const std::string& text);
    std::string tabSettings() const { return m_tabs.text(); }
    void setTabUnits(int units);
    int tabUnits() const { return static_cast<int>(m_tabs.unit()); }
    void applyTabStops();

    // The text limit is bookkeeping only: the buffer grows by itself, but the
    // numbers are kept as users of the F11 command expect to see them.
    void ensureHeadroom();
    void ensurePasteHeadroom(Pos incoming);
    void setTextLimit(Pos limit) { m_textLimit = limit; }
    Pos textLimit() const { return m_textLimit; }

    // Locked: edits made by program code raise no edited event; unlocking a
    // modified text empties the undo history (a fresh load starts clean).
    void setLocked(bool on);
    bool locked() const { return m_locked; }
    void suspend();
    void resume();

    void insertPageBreak();
    // The owner's editing popup menu, shown on the right button.
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }
    void setFont(const QFont& font);
    // Room kept free above the text, where the ruler lies.
    void setTopMargin(int pixels) { setViewportMargins(0, pixels, 0, 0); }
    // The text and page colours of the whole text.
    void setTextColours(const QColor& text, const QColor& page);

signals:
    void edited();
    void caretMoved();
    void overwriteChanged(bool overwrite);
    void readOnlyChanged(bool readOnly);
    // A key that would have changed the text met a read-only document.
    void typedIntoReadOnly();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void onModified(int position, int type, const char* text, int length, int linesAdded, int line, int, int,
                    int, int);
    void flushEdited();
    int displayLineHeight() const;
    double pixelsPerInch() const;
    void applyLineStopsToShownLines();
    void finishLoad(bool readOnly, std::optional<std::size_t> characters);
    void publishPrimarySelection();

    QPointer<QMenu> m_contextMenu;
    bool m_undoOnEsc = false;
    bool m_internalOvr = true;
    bool m_locked = false;
    int m_suspended = 0;
    bool m_editedPending = false;
    bool m_insertPressed = false;
    Pos m_textLimit = 61439;
    TabStops m_tabs;
    std::vector<int> m_lineStops;  // pixel stops of an irregular list, else empty
    mutable std::optional<std::size_t> m_characterCount;
    // The count came from a load, which counts only well-formed UTF-8: every
    // edit then adds and takes whole characters, and the count follows them.
    bool m_countFollowsEdits = false;
};

}  // namespace sj
