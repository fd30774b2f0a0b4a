// Editing favourites lists and switching between them, with a stand-in user.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "favorites/FavoriteLists.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

class ScriptedUser : public FavoritesHost {
public:
    std::deque<std::optional<std::string>> names;
    std::deque<bool> answers;
    std::vector<std::string> asked;
    std::vector<std::string> errors;

    std::optional<std::string> askName(const FavoriteNameDialog& dialog, const std::string&) override {
        asked.emplace_back(dialog.caption);
        if (names.empty()) return std::nullopt;
        auto n = names.front();
        names.pop_front();
        return n;
    }
    bool askYesNo(const std::string& question) override {
        asked.push_back(question);
        const bool a = answers.empty() ? false : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
};

struct ListsFixture : ::testing::Test {
    test::ScratchDir dir;
    ScriptedUser user;
    FavoriteLists lists{dir.path(), user};
};

TEST_F(ListsFixture, ListsAreSortedWithoutCaseAndTheCurrentOneIsListedWithoutAFile) {
    dir.write("work.fvr", "/w/a.txt\r\n");
    dir.write("Alpha.FVR", "");
    dir.write("notes.txt", "");
    lists.open("Favorite");
    EXPECT_EQ(lists.names(), (std::vector<std::string>{"Alpha", "Favorite", "work"}));
    EXPECT_EQ(lists.currentIndex(), 1);
    EXPECT_TRUE(lists.entries().empty());
    lists.choose("WORK");
    EXPECT_EQ(lists.current(), "work");
    EXPECT_EQ(lists.entries().items(), (std::vector<std::string>{"/w/a.txt"}));
}

TEST_F(ListsFixture, ChoosingAnotherListSavesTheModifiedOneWithoutAQuestion) {
    dir.write("One.fvr", "/a\r\n");
    dir.write("Two.fvr", "/b\r\n");
    lists.open("One");
    lists.entries().append("/c");
    lists.choose("one");  // the same list in another case: nothing happens
    EXPECT_TRUE(lists.entries().modified());
    lists.choose("Two");
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(test::readFile(dir.file("One.fvr")), "/a\r\n/c\r\n");
    EXPECT_FALSE(lists.entries().modified());
}

TEST_F(ListsFixture, TypedNamesRenameAndDelete) {
    dir.write("One.fvr", "/a\r\n");
    dir.write("Two.fvr", "/b\r\n");
    lists.open("One");
    lists.commitTypedName("two");
    EXPECT_EQ(lists.current(), "Two");
    user.answers = {true};
    lists.commitTypedName("Three");
    EXPECT_EQ(user.asked.back(), "Create new Favorite Files list \"Three\"?");
    EXPECT_EQ(lists.current(), "Three");
    EXPECT_EQ(lists.names().size(), 3u);

    user.names = {std::string("ONE")};
    lists.renameList();
    EXPECT_EQ(user.errors, (std::vector<std::string>{"Name is already used!"}));
    lists.choose("One");
    user.names = {std::string("Uno")};
    lists.renameList();
    EXPECT_EQ(lists.current(), "Uno");
    EXPECT_TRUE(test::exists(dir.file("Uno.fvr")));
    EXPECT_FALSE(test::exists(dir.file("One.fvr")));
    EXPECT_EQ(lists.names(), (std::vector<std::string>{"Three", "Two", "Uno"}));

    lists.entries().append("/unsaved");
    lists.deleteList();
    EXPECT_FALSE(test::exists(dir.file("Uno.fvr")));
    EXPECT_EQ(lists.current(), "Three");  // the first name left
    EXPECT_FALSE(test::exists(dir.file("Three.fvr")));
}

TEST_F(ListsFixture, DeletingTheLastListAndClosingDoesNotRecreateIt) {
    dir.write("Only.fvr", "/a\r\n");
    lists.open("Only");
    lists.deleteList();
    EXPECT_FALSE(lists.hasCurrent());
    EXPECT_TRUE(lists.saveIfModified());
    EXPECT_FALSE(test::exists(dir.file("Only.fvr")));
    // Entries edited while no list is current ask for a name; Cancel writes nothing.
    lists.entries().append("/b");
    EXPECT_FALSE(lists.saveIfModified());
    EXPECT_EQ(user.asked, (std::vector<std::string>{"Save Favorite Files"}));
    user.names = {std::string("Saved")};
    EXPECT_TRUE(lists.saveIfModified());
    // The entries stayed in the dialog while no list was current.
    EXPECT_EQ(test::readFile(dir.file("Saved.fvr")), "/a\r\n/b\r\n");
}

TEST_F(ListsFixture, ReferencesOpenOneLevelEvenWhenListsPointAtEachOther) {
    dir.write("Work.fvr", "/w/a.txt\r\n:Home\r\n\r\n/w/b.txt\r\n");
    dir.write("Home.fvr", ":Work\r\n/h/c.txt\r\n");
    lists.open("Home");
    EXPECT_EQ(lists.filesToOpen({0, 1}), (std::vector<std::string>{"/w/a.txt", "/w/b.txt", "/h/c.txt"}));
    lists.entries().append(":../../etc/passwd");
    lists.entries().append(":");
    EXPECT_TRUE(lists.filesToOpen({2, 3}).empty());
}

TEST(FavoriteEntries, EditingKeepsOrderAndComparesFileNamesExactly) {
    FavoriteEntries e;
    e.reset({"/a", "/b", "/c", "/d"});
    EXPECT_TRUE(e.contains("/a"));
    EXPECT_FALSE(e.contains("/A"));
    EXPECT_EQ(e.addMissing({"/A", "/a", "/e", "/e"}), 2u);
    EXPECT_EQ(e.items(), (std::vector<std::string>{"/a", "/b", "/c", "/d", "/A", "/e"}));
    EXPECT_TRUE(e.modified());

    EXPECT_EQ(e.moveUp({0, 2}), (std::vector<std::size_t>{0, 2}));  // touches the top: nothing moves
    EXPECT_EQ(e.moveUp({2, 4}), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(e.items(), (std::vector<std::string>{"/a", "/c", "/b", "/A", "/d", "/e"}));
    EXPECT_EQ(e.moveDown({5}), (std::vector<std::size_t>{5}));
    EXPECT_EQ(e.moveDown({3, 4}), (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(e.items(), (std::vector<std::string>{"/a", "/c", "/b", "/e", "/A", "/d"}));
    EXPECT_EQ(e.moveTo(0, 99), 5u);
    EXPECT_EQ(e.items().back(), "/a");

    e.sort();
    EXPECT_EQ(e.items(), (std::vector<std::string>{"/A", "/a", "/b", "/c", "/d", "/e"}));
    e.remove({5, 0, 5});
    EXPECT_EQ(e.items(), (std::vector<std::string>{"/a", "/b", "/c", "/d"}));
    EXPECT_TRUE(e.rename("/b", "/B2"));
    EXPECT_FALSE(e.rename("/C", "/x"));
    EXPECT_EQ(e.items()[1], "/B2");
}

}  // namespace
}  // namespace sj
