#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>

#include "TextToolsWindow.h"
#include "texttools/ui/CaseCommandGroup.h"
#include "texttools/ui/ConvertCommandGroup.h"
#include "texttools/ui/DateStampCommandGroup.h"
#include "texttools/ui/HtmlCommandGroup.h"

namespace sj {
namespace {

using testing::TextToolsWindow;

TEST(CaseCommandGroupTest, CapitalizeWidensToWholeWordsAndReselects) {
    TextToolsWindow w;
    auto* cases = w.add<CaseCommandGroup>();
    w.setText("say hello WORLD now");
    w.select(6, 7);  // "llo WOR"
    cases->changeSelectionCase(CaseChange::Capitalize);
    EXPECT_EQ(w.text(), "say Hello World now");
    EXPECT_EQ(w.selected(), "Hello World");
    w.page->undo();
    EXPECT_EQ(w.text(), "say hello WORLD now");
}

TEST(CaseCommandGroupTest, UpperCaseKeepsSelectionAndNeedsOne) {
    TextToolsWindow w;
    auto* cases = w.add<CaseCommandGroup>();
    w.setText("straße café");
    w.page->setCaret(3);
    cases->updateEnabled();
    QMenu* menu = w.window->submenu(QStringLiteral("Convert"), QStringLiteral("Change &Case"));
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions()) EXPECT_FALSE(a->isEnabled());
    cases->changeSelectionCase(CaseChange::Upper);
    EXPECT_FALSE(w.page->isModified());
    w.page->selectAll();
    cases->changeSelectionCase(CaseChange::Upper);
    EXPECT_EQ(w.text(), "STRAßE CAFÉ");
    EXPECT_EQ(w.selected(), w.text());
}

TEST(ConvertCommandGroupTest, SingleTabCollapsesRunsOnTheWholeDocumentForShortSelection) {
    TextToolsWindow w;
    auto* convert = w.add<ConvertCommandGroup>();
    w.setText("a  b   c d");
    w.select(0, 2);
    convert->ConvertSpaces(SpaceMode::SingleTab);
    EXPECT_EQ(w.text(), "a\tb\tc d");
    EXPECT_EQ(w.selected(), "a\tb\tc d");
}

TEST(ConvertCommandGroupTest, CharacterSetSwitchFlipsCaptionAndKeepsUnmodifiedDocumentClean) {
    TextToolsWindow w;
    auto* convert = w.add<ConvertCommandGroup>();
    w.setText("caf\xC3\xA9 x");
    w.select(1, 2);
    QMenu* menu = w.window->menu(QStringLiteral("Convert"));
    auto caption = [&] {
        convert->updateEnabled();
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QStringLiteral("Convert to"))) return a->text();
        return QString();
    };
    EXPECT_EQ(caption(), QStringLiteral("Convert to &Ascii Text"));
    convert->convertText();
    EXPECT_TRUE(w.page->oem());
    EXPECT_EQ(caption(), QStringLiteral("Convert to &Ansi Text"));
    EXPECT_FALSE(w.page->isModified());
    EXPECT_FALSE(w.page->canUndoEdit());
    EXPECT_EQ(w.page->selStart(), 1);
    EXPECT_EQ(w.page->selLength(), 2);
    convert->convertText();
    EXPECT_FALSE(w.page->oem());
    EXPECT_EQ(w.text(), "caf\xC3\xA9 x");  // é exists in both character sets
    EXPECT_FALSE(w.page->isModified());
}

TEST(ConvertCommandGroupTest, CharacterSetSwitchOnModifiedDocumentStaysModifiedAndUndoable) {
    TextToolsWindow w;
    auto* convert = w.add<ConvertCommandGroup>();
    w.setText("x");
    w.page->replaceRange(1, 0, "\xE2\x80\x9Cq\xE2\x80\x9D");  // curly quotes have no DOS form
    convert->convertText();
    EXPECT_TRUE(w.page->isModified());
    EXPECT_TRUE(w.page->canUndoEdit());
}

TEST(HtmlCommandGroupTest, StripWholeDocumentSwitchesWordWrapOn) {
    TextToolsWindow w;
    auto* html = w.add<HtmlCommandGroup>();
    w.setText("<TR><TD>a</TD><TD>b</TD></TR>caf&eacute;");
    ASSERT_FALSE(w.page->wordWrap());
    html->stripHtmlInSelection();
    EXPECT_TRUE(w.page->wordWrap());
    EXPECT_EQ(w.text(), "a\tb\t\r\ncaf\xC3\xA9");
    EXPECT_EQ(w.selected(), w.text());
    w.page->undo();
    EXPECT_EQ(w.text(), "<TR><TD>a</TD><TD>b</TD></TR>caf&eacute;");
}

TEST(HtmlCommandGroupTest, StripSelectionLeavesWordWrapAndRestOfText) {
    TextToolsWindow w;
    auto* html = w.add<HtmlCommandGroup>();
    w.setText("keep <b>x</b> keep");
    w.select(5, 8);
    html->stripHtmlInSelection();
    EXPECT_FALSE(w.page->wordWrap());
    EXPECT_EQ(w.text(), "keep x keep");
    EXPECT_EQ(w.selected(), "x");
}

TEST(HtmlCommandGroupTest, CharactersToHtmlOnPlainTextOnlySelects) {
    TextToolsWindow w;
    auto* html = w.add<HtmlCommandGroup>();
    w.setText("plain");
    w.page->setCaret(2);
    html->htmlEncodeSelection();
    EXPECT_EQ(w.text(), "plain");
    EXPECT_EQ(w.selected(), "plain");
    EXPECT_FALSE(w.page->isModified());
    w.setText("caf\xC3\xA9");
    html->htmlEncodeSelection();
    EXPECT_EQ(w.text(), "caf&eacute;");
    EXPECT_EQ(w.selected(), "caf&eacute;");
}

TEST(DateStampCommandGroupTest, StampGoesOnItsOwnLineAfterTheLastLine) {
    TextToolsWindow w;
    auto* stamp = w.add<DateStampCommandGroup>();
    w.options.dateFilter = "\"STAMP\"";
    w.setText("one\r\nlast");
    w.page->setCaret(7);
    stamp->SBPasteTimeClick();
    EXPECT_EQ(w.text(), "one\r\nlast\r\nSTAMP\r\n");
    EXPECT_EQ(w.page->selStart(), static_cast<Pos>(w.text().size()));
    w.page->undo();
    EXPECT_EQ(w.text(), "one\r\nlast");
}

TEST(DateStampCommandGroupTest, NothingOnReadOnlyAndPageBreakAtLineStart) {
    TextToolsWindow w;
    auto* stamp = w.add<DateStampCommandGroup>();
    w.setText("ab\r\ncd");
    w.page->setReadOnly(true);
    w.page->setCaret(1);
    stamp->SBPasteTimeClick();
    stamp->insertFormFeed();
    EXPECT_EQ(w.text(), "ab\r\ncd");
    w.page->setReadOnly(false);
    stamp->insertFormFeed();
    EXPECT_EQ(w.text(), "ab\r\n\f\r\ncd");
}

}  // namespace
}  // namespace sj
