#include <gtest/gtest.h>

#include "FindTestDocuments.h"
#include "texttools/FindEngine.h"

using namespace sj;
using sj::test::StringDocumentSet;

namespace {

void setFind(FindEngine& e, const std::string& token, bool down = true, bool all = false) {
    e.findSettings().setSearchToken(token);
    e.findSettings().options.setDown(down);
    e.findSettings().searchAll = all;
}

}  // namespace

TEST(FindEngine, CtrlFTwiceOnlyMovesTheFocusThenEnterFindsTheNext) {
    StringDocumentSet docs;
    auto& d = docs.add("cat dog cat");
    FindEngine e;
    d.select(0, 3);
    const DialogCommand first = e.startFind(docs, false, false);
    EXPECT_TRUE(first.tokenFromSelection);
    EXPECT_EQ(e.findSettings().searchToken(), "cat");
    EXPECT_EQ(e.startLength(), 3u);

    const DialogCommand second = e.startFind(docs, true, false);
    EXPECT_TRUE(second.focusFindNextOnly);

    EXPECT_TRUE(e.findNext(docs).found);
    EXPECT_EQ(d.selectionStart(), 8u);
}

TEST(FindEngine, SelectionFillsTheBoxInTokenForm) {
    StringDocumentSet docs;
    auto& d = docs.add("a\tb\r\nc");
    FindEngine e;
    d.select(1, 1);
    e.startFind(docs, false, false);
    EXPECT_EQ(e.findSettings().searchToken(), "^T");
    EXPECT_EQ(e.findSettings().searchText(), "\t");
    d.select(1, 4);
    e.startFind(docs, false, false);
    EXPECT_EQ(e.findSettings().searchToken(), "^Tb^P");
}

TEST(FindEngine, OverwriteCaretAndLongSelectionsLeaveTheBoxAlone) {
    StringDocumentSet docs;
    auto& d = docs.add(std::string(300, 'x'));
    FindEngine e;
    e.findSettings().setSearchToken("old");
    d.select(0, 1);
    e.startFind(docs, false, true);
    EXPECT_EQ(e.startLength(), 0u);
    EXPECT_EQ(e.findSettings().searchToken(), "old");
    d.select(0, 256);
    e.startFind(docs, false, false);
    EXPECT_EQ(e.findSettings().searchToken(), "old");
    EXPECT_EQ(e.startLength(), 256u);
    d.select(0, 255);
    e.startFind(docs, false, false);
    EXPECT_EQ(e.findSettings().searchToken(), std::string(254, 'x'));
}

TEST(FindEngine, DownWithoutAllDocumentsDoesNotWrap) {
    StringDocumentSet docs;
    auto& d = docs.add("cat in the middle");
    FindEngine e;
    setFind(e, "cat");
    d.select(7, 0);
    const FindOutcome r = e.findNext(docs);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.message, "\"cat\" not found!");
    EXPECT_EQ(d.selectionStart(), 7u);
}

TEST(FindEngine, SelectedMatchIsSkippedGoingEitherWay) {
    StringDocumentSet docs;
    auto& d = docs.add("ab AB ab");
    FindEngine e;
    setFind(e, "ab");
    d.select(3, 2);  // "AB" equals the text ignoring case
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 6u);
    e.findSettings().options.setMatchCase(true);
    d.select(3, 2);  // no longer equal: the search starts at the selection start
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 6u);

    e.findSettings().options.setMatchCase(false);
    e.findSettings().options.setDown(false);
    d.select(3, 2);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
    d.select(4, 0);  // caret inside "AB": a match must end at or before it
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
}

TEST(FindEngine, UpFindsAMatchAtTheFirstCharacter) {
    StringDocumentSet docs;
    auto& d = docs.add("cat and more");
    FindEngine e;
    setFind(e, "cat", false);
    d.select(12, 0);
    ASSERT_TRUE(e.findNext(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
    EXPECT_EQ(d.selectionLength(), 3u);
    EXPECT_FALSE(e.findAgain(docs).found);
}

TEST(FindEngine, AllDocumentsVisitsTheNextTabsThenTheStartOfTheStartDocument) {
    StringDocumentSet docs;
    auto& d0 = docs.add("x cat");
    auto& d1 = docs.add("cat here | cat");
    auto& d2 = docs.add("a cat");
    docs.setCurrent(1);
    FindEngine e;
    setFind(e, "cat", true, true);
    d1.select(10, 0);
    ASSERT_TRUE(e.findNext(docs).found);
    EXPECT_EQ(d1.selectionStart(), 11u);  // still in the current one
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(docs.currentIndex(), 2u);
    EXPECT_EQ(d2.selectionStart(), 2u);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(docs.currentIndex(), 0u);
    EXPECT_EQ(d0.selectionStart(), 2u);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(docs.currentIndex(), 1u);
    EXPECT_EQ(d1.selectionStart(), 0u);
    EXPECT_EQ(docs.activations, (std::vector<std::size_t>{2, 0, 1}));
}

TEST(FindEngine, AllDocumentsStopsInTheStartDocument) {
    StringDocumentSet docs;
    docs.add("nothing");
    auto& d1 = docs.add("one cat");
    docs.add("none");
    docs.setCurrent(1);
    FindEngine e;
    setFind(e, "cat", true, true);
    d1.select(4, 3);
    // The only match is the selected one: wrapping does not find it again,
    // and the caret goes back to the start position.
    const FindOutcome r = e.findNext(docs);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.message, "\"cat\" not found!");
    EXPECT_EQ(docs.currentIndex(), 1u);
    EXPECT_EQ(d1.selectionStart(), 4u);
    EXPECT_EQ(d1.selectionLength(), 0u);
}

TEST(FindEngine, WrapFindsAMatchEndingRightAtTheStartPosition) {
    StringDocumentSet docs;
    auto& d = docs.add("cat|");
    FindEngine e;
    setFind(e, "cat", true, true);
    d.select(3, 0);
    ASSERT_TRUE(e.findNext(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
}

TEST(FindEngine, UpwardWrapSearchesAfterTheStartSelection) {
    StringDocumentSet docs;
    auto& d0 = docs.add("cat x cat");
    docs.add("dog");
    FindEngine e;
    setFind(e, "cat", false, true);
    d0.select(0, 3);
    e.startFind(docs, false, false);
    ASSERT_TRUE(e.findNext(docs).found);  // from the selection, upwards: wraps round
    EXPECT_EQ(docs.currentIndex(), 0u);
    EXPECT_EQ(d0.selectionStart(), 6u);
}

TEST(FindEngine, ShiftF3ReversesTheDirectionForGood) {
    StringDocumentSet docs;
    auto& d = docs.add("cat cat cat");
    FindEngine e;
    setFind(e, "cat");
    d.select(4, 3);
    ASSERT_TRUE(e.findAgainReverse(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
    EXPECT_FALSE(e.findSettings().options.down());
    d.select(8, 3);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 4u);
}

TEST(FindEngine, NotFoundMessageShowsTheDecodedText) {
    StringDocumentSet docs;
    docs.add("abc");
    FindEngine e;
    setFind(e, "x^Ty");
    EXPECT_EQ(e.findNext(docs).message, "\"x\ty\" not found!");
    EXPECT_EQ(e.search(docs, false).message, "");
}

TEST(FindEngine, EmptyDocumentsAndEmptySearchText) {
    StringDocumentSet docs;
    auto& d = docs.add("");
    FindEngine e;
    setFind(e, "");
    EXPECT_FALSE(e.findNext(docs).found);
    EXPECT_FALSE(FindEngine::findEnabled(docs));
    setFind(e, "a", true, true);
    docs.add("");
    EXPECT_FALSE(e.findNext(docs).found);
    EXPECT_EQ(d.selectionStart(), 0u);
    StringDocumentSet none;
    EXPECT_FALSE(e.findNext(none).found);
    EXPECT_FALSE(FindEngine::findEnabled(none));
    EXPECT_FALSE(e.searchAgainEnabled(none));
}

TEST(FindEngine, MenuEnabling) {
    StringDocumentSet docs;
    docs.add("");
    FindEngine e;
    EXPECT_FALSE(FindEngine::findEnabled(docs));
    docs.add("text", true);
    EXPECT_TRUE(FindEngine::findEnabled(docs));  // two documents
    docs.setCurrent(1);
    EXPECT_FALSE(FindEngine::replaceEnabled(docs));  // read-only
    EXPECT_FALSE(e.searchAgainEnabled(docs));
    setFind(e, "t");
    EXPECT_TRUE(e.searchAgainEnabled(docs));
    EXPECT_TRUE(e.searchAgainReverseEnabled(docs));
    e.setLastDialog(LastDialog::Replace);
    e.replaceSettings().setSearchToken("t");
    EXPECT_FALSE(e.searchAgainEnabled(docs));
    EXPECT_FALSE(e.searchAgainReverseEnabled(docs));
    docs.setCurrent(0);
    EXPECT_FALSE(e.searchAgainReverseEnabled(docs));  // no line
}

TEST(FindEngine, SearchAgainUsesTheLastDialog) {
    StringDocumentSet docs;
    auto& d = docs.add("one two one two");
    FindEngine e;
    setFind(e, "one");
    e.replaceSettings().setSearchToken("two");
    e.setLastDialog(LastDialog::Replace);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selected(), "two");
    e.setLastDialog(LastDialog::Find);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(d.selectionStart(), 8u);
}

TEST(FindEngine, ReplaceDialogPassesOverReadOnlyDocuments) {
    StringDocumentSet docs;
    docs.add("start");
    docs.add("cat", true);
    auto& d2 = docs.add("cat");
    FindEngine e;
    e.replaceSettings().setSearchToken("cat");
    e.replaceSettings().searchAll = true;
    e.setLastDialog(LastDialog::Replace);
    ASSERT_TRUE(e.findAgain(docs).found);
    EXPECT_EQ(docs.currentIndex(), 2u);
    EXPECT_EQ(d2.selectionLength(), 3u);
}
