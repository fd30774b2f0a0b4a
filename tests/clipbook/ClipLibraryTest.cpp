#include <gtest/gtest.h>

#include "ClipTestDir.h"
#include "clipbook/ClipLibrary.h"

namespace sj {
namespace {

using test::ClipTestDir;

std::vector<std::string> titles(const ClipLibrary& list) {
    std::vector<std::string> out;
    for (const ClipItem& item : list.items()) out.push_back(item.title);
    return out;
}

ClipLibrary::TitleAsker answer(std::optional<std::string> a, std::string* seenDefault = nullptr) {
    return [a, seenDefault](const std::string& def) {
        if (seenDefault) *seenDefault = def;
        return a;
    };
}

TEST(ClipbookListAdd, SingleLineUsesTheBodyAsTitleAndRefusesDuplicates) {
    ClipLibrary list;
    list.loadFromText("b\r\na\r\n");
    ASSERT_FALSE(list.multiLine());
    EXPECT_EQ(list.addItem("ignored", "c", nullptr), 2);
    EXPECT_EQ(list.item(2).title, "c");
    list.setModified(false);
    EXPECT_EQ(list.addItem("", "a", nullptr), -1);
    EXPECT_TRUE(list.modified());  // set even though nothing was added
    EXPECT_EQ(titles(list), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ClipbookListAdd, LineBreakTurnsSingleLineLibraryIntoMultiLine) {
    ClipLibrary list;
    list.loadFromText("=TabWidth=30\r\n\r\nalpha\r\nbeta\r\n");
    int at = list.addItem("Two", "one\r\ntwo", nullptr);
    EXPECT_TRUE(list.multiLine());
    EXPECT_EQ(list.item(static_cast<std::size_t>(at)).title, "Two");
    EXPECT_EQ(list.toText(),
              "=MultiLine TabWidth=30\r\n\r\nalpha\r\n\r\nbeta\r\n\r\nH=Two\r\none\r\ntwo\r\n\r\n");
}

TEST(ClipbookListAdd, MultiLineAsksForTitleWithDefault) {
    ClipLibrary list;
    std::string shown;
    EXPECT_EQ(list.addItem("", "first line\r\nsecond", answer("Mine", &shown)), 0);
    EXPECT_EQ(shown, "first line");
    EXPECT_EQ(list.item(0).title, "Mine");

    list.setModified(false);
    EXPECT_EQ(list.addItem("", "x", answer(std::nullopt)), -1);
    EXPECT_EQ(list.addItem("", "x", answer("")), -1);
    EXPECT_FALSE(list.modified());

    list.addItem("", "^!URL:https://example.org", answer("web", &shown));
    EXPECT_EQ(shown, "URL:https://example.org");

    list.addItem("", std::string(79, 'a') + "\xC3\xA9" + "zz", answer("long", &shown));
    EXPECT_EQ(shown, std::string(79, 'a') + "\xC3\xA9");
}

TEST(ClipbookListAdd, ExistingTitleGetsTheNewBodySortedOrAppended) {
    ClipLibrary list;
    list.addItem("beta", "1", nullptr);
    list.addItem("Alpha", "2", nullptr);
    EXPECT_EQ(list.addItem("beta", "3", nullptr), 1);
    EXPECT_EQ(list.item(1).body.text(), "3");
    EXPECT_EQ(list.addItem("Beta", "4", nullptr), 2);  // case differs: a new item, sorted after "beta"
    EXPECT_EQ(titles(list), (std::vector<std::string>{"Alpha", "beta", "Beta"}));

    list.toggleSorted();
    EXPECT_EQ(list.addItem("aaa", "5", nullptr), 3);
}

TEST(ClipbookListEdit, RemoveSelectsThePreviousItem) {
    ClipLibrary list;
    list.loadFromText("a\r\nb\r\nc\r\n");
    EXPECT_EQ(list.removeItem(2), 1);
    EXPECT_EQ(list.removeItem(0), 0);
    EXPECT_EQ(list.removeItem(0), -1);
    EXPECT_TRUE(list.modified());
}

TEST(ClipbookListEdit, ToggleSortedSortsAtOnceAndMoveTurnsSortingOff) {
    ClipLibrary list;
    list.loadFromText("=MultiLine NoSorting\r\n\r\nc\r\n\r\nB\r\n\r\na\r\n");
    EXPECT_EQ(titles(list), (std::vector<std::string>{"c", "B", "a"}));
    list.toggleSorted();
    EXPECT_EQ(titles(list), (std::vector<std::string>{"a", "B", "c"}));
    EXPECT_EQ(list.moveItem(0, 2), 2);
    EXPECT_FALSE(list.sorted());
    EXPECT_EQ(titles(list), (std::vector<std::string>{"B", "c", "a"}));
    EXPECT_TRUE(list.toText().starts_with("=MultiLine NoSorting TabWidth=30\r\n"));
}

TEST(ClipbookListEdit, FindWithAndWithoutCase) {
    ClipLibrary list;
    list.loadFromText("=MultiLine\r\n\r\nSig\r\n\r\n\xC3\x89t\xC3\xA9\r\n");
    EXPECT_EQ(list.findItem("sig", true), -1);
    EXPECT_EQ(list.findItem("sig", false), 0);
    EXPECT_EQ(list.findItem("\xC3\xA9T\xC3\x89", false), 1);
}

TEST(ClipbookListEditor, ResultsOfTheItemEditor) {
    ClipLibrary list;
    list.loadFromText("=MultiLine\r\n\r\nH=a\r\nA\r\n\r\nH=b\r\nB\r\n");
    list.setModified(false);
    EXPECT_EQ(list.applyEditor(0, "a", "A"), -1);         // no change
    EXPECT_EQ(list.applyEditor(0, "", "text"), -1);       // empty title refused
    EXPECT_EQ(list.applyEditor(-1, "New Item", ""), -1);  // untouched new item
    EXPECT_FALSE(list.modified());

    EXPECT_EQ(list.applyEditor(0, "b", "from a"), 0);  // takes over b, a is removed
    EXPECT_EQ(titles(list), (std::vector<std::string>{"b"}));
    EXPECT_EQ(list.item(0).body.text(), "from a");

    EXPECT_EQ(list.applyEditor(-1, "0 first", "^!x"), 0);
    EXPECT_TRUE(list.item(0).isCommand());
    EXPECT_EQ(list.applyEditor(0, "z last", "y"), 1);  // renamed, takes its sorted place
    EXPECT_EQ(titles(list), (std::vector<std::string>{"b", "z last"}));
    EXPECT_FALSE(list.item(1).isCommand());

    EXPECT_EQ(list.applyEditor(1, "", ""), 0);  // both empty: removed
    EXPECT_EQ(list.count(), 1u);
}

TEST(ClipLibraryFile, MissingFileIsANewEmptyLibrary) {
    ClipTestDir dir;
    ClipLibrary list;
    list.toggleSorted();
    list.addItem("x", "y", nullptr);
    LibraryFileResult r = list.loadFromFile(dir.file("none.clb"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(list.count(), 0u);
    EXPECT_TRUE(list.multiLine());
    EXPECT_TRUE(list.sorted());
    EXPECT_FALSE(list.modified());
    EXPECT_FALSE(dir.exists("none.clb"));
}

TEST(ClipLibraryFile, SaveWritesInTheCharacterSetItWasReadIn) {
    ClipTestDir dir;
    dir.write("l.clb", "=MultiLine\r\n\r\ncaf\xE9\r\n");
    ClipLibrary list;
    ASSERT_TRUE(list.loadFromFile(dir.file("l.clb")).ok);
    EXPECT_EQ(list.item(0).title, "caf\xC3\xA9");
    list.addItem("x", "na\xC3\xAFve", nullptr);
    ASSERT_TRUE(list.saveToFile(dir.file("l.clb")).ok);
    EXPECT_EQ(dir.read("l.clb"), "=MultiLine TabWidth=30\r\n\r\ncaf\xE9\r\n\r\nH=x\r\nna\xEFve\r\n\r\n");
    EXPECT_FALSE(list.modified());

    list.addItem("snow", "\xE2\x98\x83", nullptr);
    LibraryFileResult r = list.saveToFile(dir.file("l.clb"));
    EXPECT_TRUE(r.switchedToUtf8);
    ClipLibrary again;
    again.loadFromFile(dir.file("l.clb"));
    EXPECT_EQ(again.items(), list.items());
}

TEST(ClipLibraryFile, UnreadableFileIsNotOverwritten) {
    ClipTestDir dir;
    std::filesystem::create_directory(dir.file("odd.clb"));
    ClipLibrary list;
    LibraryFileResult r = list.loadFromFile(dir.file("odd.clb"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.starts_with("Error: "));
    list.addItem("a", "b", nullptr);
    EXPECT_FALSE(list.saveToFile(dir.file("odd.clb")).ok);
    EXPECT_TRUE(list.modified());
}

TEST(ClipLibraryFile, FailedWriteKeepsOldFileAndModifiedFlag) {
    ClipTestDir dir;
    ClipLibrary list;
    list.addItem("a", "b", nullptr);
    LibraryFileResult r = list.saveToFile(dir.file("missing-dir/x.clb"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("x.clb\""), std::string::npos);
    EXPECT_TRUE(list.modified());
}

}  // namespace
}  // namespace sj
