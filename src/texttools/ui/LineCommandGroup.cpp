#include "texttools/ui/LineCommandGroup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>

#include <new>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "config/Options.h"
#include "document/ui/DocumentPage.h"
#include "texttools/LineMenus.h"
#include "texttools/LineWorkers.h"
#include "texttools/ui/LinePageEditor.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {

LineCommandGroup::LineCommandGroup(AppHost& host) : CommandGroup(host) {
    m_main = makeItems(true);
    m_context = makeItems(false);
    m_deleteLine = action(QStringLiteral("Delete Line"), QKeySequence(Qt::CTRL | Qt::Key_Y), {});
    connect(m_deleteLine, &QAction::triggered, this, &LineCommandGroup::deleteCurrentLine);
}

LineCommandGroup::~LineCommandGroup() = default;

LineCommandGroup::Items LineCommandGroup::makeItems(bool mainMenu) {
    // Only the main menu's items carry the shortcuts; a key bound twice would fire neither.
    auto key = [mainMenu](QKeySequence k) { return mainMenu ? k : QKeySequence(); };
    Items it{};
    it.sort = action(QStringLiteral("&Sort"), {}, QStringLiteral("|Sort selected lines or whole document"));
    it.join = action(QStringLiteral("&Join Lines"), key(QKeySequence(Qt::CTRL | Qt::Key_J)),
                     QStringLiteral("|Append next line to current line, or join selected lines"));
    it.split = action(QStringLiteral("S&plit Lines"), key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J)),
                      QStringLiteral("|Split into separate lines"));
    it.adjust = action(QStringLiteral("Adjust Line &Breaks"), {},
                       QStringLiteral("|Adjusts all line breaks to be true CR/LF sequences"));
    it.compress =
        action(QStringLiteral("&Compress"), {},
               mainMenu ? QStringLiteral("|Remove double spacing in selected text or whole document")
                        : QStringLiteral("|Remove empty lines in selected text or whole document"));
    it.trim =
        action(QStringLiteral("&Trim Blanks"), {},
               QStringLiteral("|Remove trailing blank and tab characters from current or selected lines"));
    it.indent = action(QStringLiteral("&Indent"), key(QKeySequence(Qt::CTRL | Qt::Key_I)),
                       QStringLiteral("|Indent current or selected lines"));
    it.unindent = action(QStringLiteral("&Unindent"), key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)),
                         QStringLiteral("|Unindent current or selected lines"));
    const std::pair<QAction*, LineAction> shared[] = {
        {it.sort, LineAction::Sort},         {it.adjust, LineAction::AdjustLineBreaks},
        {it.compress, LineAction::Compress}, {it.trim, LineAction::TrimBlanks},
        {it.indent, LineAction::Indent},     {it.unindent, LineAction::Unindent}};
    // Copied by name: Clang 14 cannot capture a structured binding.
    for (const auto& [a, act] : shared)
        connect(a, &QAction::triggered, this, [this, act = act] { runLineAction(act); });
    connect(it.join, &QAction::triggered, this, &LineCommandGroup::MakeParagraph);
    connect(it.split, &QAction::triggered, this, &LineCommandGroup::splitLongLines);
    return it;
}

void LineCommandGroup::addItems(QMenu* menu, const Items& it) {
    if (!menu) return;
    for (QAction* a : {it.sort, it.join, it.split, it.adjust, it.compress, it.trim}) menu->addAction(a);
    menu->addSeparator();
    menu->addAction(it.indent);
    menu->addAction(it.unindent);
}

void LineCommandGroup::addToMenus(MenuSet& menus) {
    addItems(menus.submenu(QStringLiteral("Convert"), QStringLiteral("&Lines")), m_main);
    addItems(menus.submenu(QStringLiteral("Editor"), QStringLiteral("&Lines")), m_context);
    if (QMenu* editor = menus.menu(QStringLiteral("Editor"))) editor->addAction(m_deleteLine);
}

void LineCommandGroup::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    LineMenuState mainState, contextState;
    bool deleteLine = false;
    if (page) {
        const LinePageEditor editor(*page, !m_host.documents().browseMode);
        const LineMenuContext ctx = lineMenuContext(editor);
        mainState = mainLinesMenuState(ctx);
        contextState = contextLinesMenuState(ctx);
        deleteLine = deleteLineEnabled(ctx);
    }
    auto apply = [](const Items& it, const LineMenuState& s) {
        it.sort->setEnabled(s.sort);
        it.join->setEnabled(s.joinLines);
        it.split->setEnabled(s.splitLines);
        it.adjust->setEnabled(s.adjustLineBreaks);
        it.compress->setEnabled(s.compress);
        it.trim->setEnabled(s.trimBlanks);
        it.indent->setEnabled(s.indent);
        it.unindent->setEnabled(s.unindent);
    };
    apply(m_main, mainState);
    apply(m_context, contextState);
    m_deleteLine->setEnabled(deleteLine);
}

DocumentPage* LineCommandGroup::writablePage() {
    DocumentPage* page = m_host.currentPage();
    // Shortcuts reach the handlers without the menu's enabling, so the guard is repeated here.
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return nullptr;
    return page;
}

void LineCommandGroup::runLineAction(LineAction action) {
    DocumentPage* page = writablePage();
    if (!page) return;
    LinePageEditor editor(*page);
    LineOptions options;
    options.indentSize = clampIndentSize(m_host.options().indentSize);
    options.collator = &m_collator.get();
    options.confirmLargeSort = [page] {
        if (!msg::askYesNo(QString::fromUtf8(kLargeSortQuestion.data(), kLargeSortQuestion.size()), false))
            return false;
        page->repaint();
        return true;
    };
    try {
        sj::applyLineAction(editor, action, options);
    } catch (const std::bad_alloc&) {
        msg::error(
            QStringLiteral("Error: Not enough memory to finish the operation. The text is unchanged."));
    }
}

void LineCommandGroup::MakeParagraph() {
    if (DocumentPage* page = writablePage()) {
        LinePageEditor editor(*page);
        sj::MakeParagraph(editor);
    }
}

TextWidthFn LineCommandGroup::pageTextWidth(DocumentPage& page) {
    const QFontMetrics fm(page.font());
    const int tabPixels = std::max(1, page.tabWidth() * fm.horizontalAdvance(QLatin1Char(' ')));
    return [fm, tabPixels](std::string_view text) {
        int x = 0;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            const std::size_t tab = text.find('\t', pos);
            const std::size_t end = tab == std::string_view::npos ? text.size() : tab;
            if (end > pos) x += fm.horizontalAdvance(QString::fromUtf8(text.data() + pos, end - pos));
            if (tab == std::string_view::npos) break;
            x = (x / tabPixels + 1) * tabPixels;
            pos = tab + 1;
        }
        return x;
    };
}

int LineCommandGroup::pageAvailableWidth(DocumentPage& page) {
    const int margins = static_cast<int>(page.SendScintilla(QsciScintillaBase::SCI_GETMARGINLEFT) +
                                         page.SendScintilla(QsciScintillaBase::SCI_GETMARGINRIGHT));
    return std::max(1, page.viewport()->width() - margins);
}

void LineCommandGroup::splitLongLines() {
    DocumentPage* page = writablePage();
    if (!page) return;
    LinePageEditor editor(*page);
    SplitOptions options;
    options.availableWidth = pageAvailableWidth(*page);
    options.width = pageTextWidth(*page);
    sj::splitLongLines(editor, options);
}

void LineCommandGroup::deleteCurrentLine() {
    DocumentPage* page = m_host.currentPage();
    if (!page) return;
    LinePageEditor editor(*page, !m_host.documents().browseMode);
    sj::deleteCurrentLine(editor);
}

}  // namespace sj
