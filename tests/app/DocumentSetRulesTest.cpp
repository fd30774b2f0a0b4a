// The document set's decisions without a window: untitled numbers, the empty
// first page, the tab after a close, the end of Close All and rename refusals.
#include <gtest/gtest.h>

#include "app/DocumentSetRules.h"

namespace sj {
namespace {

using Rename = DocumentSetRules::Rename;
using Closing = DocumentSetRules::Closing;

TEST(DocumentSetRulesTest, UntitledNumbersPassOverTitlesInUseByFileNamePartOnly) {
    DocumentSetRules rules;
    rules.skipTakenUntitledNumbers({});
    EXPECT_EQ(rules.untitledCounter(), 0);
    rules.skipTakenUntitledNumbers({"/home/u/Untitled.1", "Untitled.2", "/home/u/Untitled.4"});
    EXPECT_EQ(rules.untitledCounter(), 2);
    // Names compare exactly: another letter case is another name.
    rules.skipTakenUntitledNumbers({"/home/u/untitled.3"});
    EXPECT_EQ(rules.untitledCounter(), 2);
    // The page being emptied bears number 1 no longer, so 2 is next.
    DocumentSetRules fresh;
    fresh.untitledCounter() = 1;
    fresh.skipTakenUntitledNumbers({"[No Name]"});
    EXPECT_EQ(fresh.untitledCounter(), 1);
}

TEST(DocumentSetRulesTest, TheEmptyFirstPageTakesOnlyTheFirstFile) {
    DocumentSetRules rules;
    EXPECT_TRUE(rules.reuseEmptyPage());
    EXPECT_TRUE(rules.reusesCurrent(true, true, false));
    EXPECT_FALSE(rules.reusesCurrent(true, false, false));  // it holds text
    EXPECT_FALSE(rules.reusesCurrent(true, true, true));    // it has a file
    EXPECT_TRUE(rules.reusesCurrent(false, false, false));  // no page at all

    rules.untitledCounter() = 1;
    rules.fileOpened(true, 1);
    EXPECT_EQ(rules.untitledCounter(), 0);  // the next New is Untitled.1 again
    EXPECT_FALSE(rules.reuseEmptyPage());
    EXPECT_FALSE(rules.reusesCurrent(true, true, false));

    rules.untitledCounter() = 1;
    rules.setReuseEmptyPage(true);
    rules.fileOpened(false, 2);  // into a new tab: the number stays drawn
    EXPECT_EQ(rules.untitledCounter(), 1);
    rules.untitledCounter() = 2;
    rules.fileOpened(true, 1);
    EXPECT_EQ(rules.untitledCounter(), 2);
}

TEST(DocumentSetRulesTest, ClosingEmptiesTheOnlyPageAndSelectsTheTabToTheLeft) {
    EXPECT_EQ(DocumentSetRules::closing(1, false, true), Closing::Nothing);
    EXPECT_EQ(DocumentSetRules::closing(1, false, false), Closing::Empty);
    EXPECT_EQ(DocumentSetRules::closing(1, true, false), Closing::Empty);
    EXPECT_EQ(DocumentSetRules::closing(2, false, true), Closing::Remove);
    EXPECT_EQ(DocumentSetRules::closing(0, false, true), Closing::Nothing);

    EXPECT_EQ(DocumentSetRules::tabAfterClosing(0), 1);
    EXPECT_EQ(DocumentSetRules::tabAfterClosing(1), 0);
    EXPECT_EQ(DocumentSetRules::tabAfterClosing(5), 4);

    EXPECT_TRUE(DocumentSetRules::allClosed(1, false, true));
    EXPECT_FALSE(DocumentSetRules::allClosed(2, false, true));
    EXPECT_FALSE(DocumentSetRules::allClosed(1, true, true));
    EXPECT_FALSE(DocumentSetRules::allClosed(1, false, false));
}

TEST(DocumentSetRulesTest, RenameTargetKeepsTheDirectoryAndTheExtension) {
    EXPECT_EQ(DocumentSetRules::renameTarget("/d/a.txt", "b", "txt"), "/d/b.txt");
    EXPECT_EQ(DocumentSetRules::renameTarget("/d/a.log", "b", "txt"), "/d/b.log");
    EXPECT_EQ(DocumentSetRules::renameTarget("/d/a.log", "b.md", "txt"), "/d/b.md");
    EXPECT_EQ(DocumentSetRules::renameTarget("/d/makefile", "b", "txt"), "/d/b.");
    EXPECT_EQ(DocumentSetRules::renameTarget("", "b", "text"), "b.text");
    EXPECT_EQ(DocumentSetRules::renameTarget("/d/a.txt", "", "txt"), "");
    EXPECT_TRUE(DocumentSetRules::isValidRenameAnswer("b.txt"));
    EXPECT_FALSE(DocumentSetRules::isValidRenameAnswer("../b.txt"));
}

TEST(DocumentSetRulesTest, RenameComparesNamesExactlyAndNeverOverwritesAnotherFile) {
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/a.txt", false, true, true), Rename::Unchanged);
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/b.txt", false, false, false), Rename::Go);
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/b.txt", false, true, false),
              Rename::AlreadyExists);
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/b.txt", true, true, false),
              Rename::OpenInEditor);
    // Only the letter case differs: another file of that name is still another file...
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/A.txt", false, true, false),
              Rename::AlreadyExists);
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/A.txt", true, true, false),
              Rename::OpenInEditor);
    // ...unless the file system ignores letter case and both names are this file.
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/A.txt", false, true, true), Rename::Go);
    EXPECT_EQ(DocumentSetRules::renameVerdict("/d/a.txt", "/d/A.txt", false, false, false), Rename::Go);
}

}  // namespace
}  // namespace sj
