#include <gtest/gtest.h>

#include <deque>

#include "ClipTestDir.h"
#include "clipbook/ClipLibraryDirectory.h"
#include "clipbook/LibraryNames.h"

namespace sj {
namespace {

using test::ClipTestDir;

// Answers the dialogs from a script and records what was shown.
class ScriptedHost : public ClipbookHost {
public:
    std::deque<std::optional<std::string>> names;
    std::deque<bool> yesNo;
    std::vector<std::string> questions, errors, dialogs;

    std::optional<std::string> askName(const NameDialog& dialog, const std::string& def) override {
        dialogs.push_back(std::string(dialog.caption) + "|" + std::string(dialog.prompt) + "|" + def);
        if (names.empty()) return std::nullopt;
        auto a = names.front();
        names.pop_front();
        return a;
    }
    bool askYesNo(const std::string& q) override {
        questions.push_back(q);
        if (yesNo.empty()) return false;
        bool a = yesNo.front();
        yesNo.pop_front();
        return a;
    }
    void showError(const std::string& m) override { errors.push_back(m); }
};

class ClipLibraryDirectoryTest : public ::testing::Test {
protected:
    ClipTestDir dir;
    ScriptedHost host;
    ClipLibrary list;
    ClipLibraryDirectory chooser{list, host};

    void SetUp() override {
        dir.write("Work.clb", "=MultiLine\r\n\r\nH=w\r\nwork\r\n");
        dir.write("alpha.clb", "=MultiLine\r\n\r\nH=a\r\nalpha\r\n");
        dir.write("notes.txt", "not a library");
        std::filesystem::create_directory(dir.file("sub.clb"));
    }
};

TEST_F(ClipLibraryDirectoryTest, ListsLibrariesIgnoringCaseAndChoosesTheInitialOne) {
    chooser.open(dir.path(), "Work");
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"alpha", "Work"}));
    EXPECT_EQ(chooser.hotTemplate(), "Work");
    EXPECT_EQ(chooser.currentIndex(), 1);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.item(0).body.text(), "work");

    ClipLibraryDirectory other(list, host);
    other.open(dir.path(), "Missing");
    EXPECT_FALSE(other.hasCurrent());
}

TEST_F(ClipLibraryDirectoryTest, SwitchingSavesWithoutQuestionAndUndoReloadsSavedState) {
    chooser.open(dir.path(), "Work");
    list.addItem("new", "text", nullptr);
    ASSERT_TRUE(chooser.choose("alpha"));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_NE(dir.read("Work.clb").find("H=new\r\ntext\r\n"), std::string::npos);

    ASSERT_TRUE(chooser.chooseIndex(1));
    EXPECT_EQ(list.count(), 2u);
    list.removeItem(0);
    list.removeItem(0);
    ASSERT_TRUE(chooser.undoAllChanges());
    EXPECT_EQ(list.count(), 2u);
    EXPECT_FALSE(list.modified());
    EXPECT_FALSE(chooser.chooseIndex(2));
    EXPECT_FALSE(chooser.choose("notes"));
}

TEST_F(ClipLibraryDirectoryTest, FailedSaveKeepsTheOldLibraryCurrent) {
    chooser.open(dir.path(), "Work");
    list.addItem("new", "text", nullptr);
    std::filesystem::remove(dir.file("Work.clb"));
    std::filesystem::create_directory(dir.file("Work.clb"));  // the save cannot replace a directory
    EXPECT_FALSE(chooser.choose("alpha"));
    EXPECT_EQ(chooser.hotTemplate(), "Work");
    EXPECT_TRUE(list.modified());
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].starts_with("Error: could not write \""));
}

TEST_F(ClipLibraryDirectoryTest, TypedNameAsksBeforeCreating) {
    chooser.open(dir.path(), "Work");
    host.yesNo = {false, true};
    EXPECT_FALSE(chooser.commitTypedName("Fresh"));
    EXPECT_EQ(chooser.hotTemplate(), "Work");
    EXPECT_TRUE(chooser.commitTypedName("Fresh"));
    EXPECT_EQ(host.questions[0], "Create new Clipbook template \"Fresh\"?");
    EXPECT_EQ(chooser.hotTemplate(), "Fresh");
    EXPECT_EQ(list.count(), 0u);
    EXPECT_FALSE(dir.exists("Fresh.clb"));  // nothing is written until saved

    EXPECT_TRUE(chooser.commitTypedName("ALPHA"));  // listed, ignoring case: no question
    EXPECT_EQ(chooser.hotTemplate(), "alpha");
    EXPECT_EQ(host.questions.size(), 2u);

    EXPECT_FALSE(chooser.commitTypedName("../evil"));
    EXPECT_EQ(host.errors.size(), 1u);
}

TEST_F(ClipLibraryDirectoryTest, SaveNowCommitsTypedTextFirst) {
    chooser.open(dir.path(), "Work");
    host.yesNo = {true};
    list.addItem("k", "kept", nullptr);
    ASSERT_TRUE(chooser.saveCurrent(true, "Typed"));
    EXPECT_NE(dir.read("Work.clb").find("kept"), std::string::npos);  // saved when switching
    EXPECT_EQ(dir.read("Typed.clb"), "=MultiLine TabWidth=30\r\n\r\n");
}

TEST_F(ClipLibraryDirectoryTest, SaveWithoutCurrentLibraryAsksForName) {
    chooser.open(dir.path(), "");
    list.addItem("x", "y", nullptr);
    host.names = {std::nullopt};
    EXPECT_TRUE(chooser.saveCurrent());
    EXPECT_FALSE(list.modified());
    EXPECT_EQ(list.count(), 1u);
    EXPECT_EQ(host.dialogs[0], "Save Clipbook Template|Enter a name for the Clipbook template:|");

    list.setModified(true);
    host.names = {std::string("WORK")};  // would overwrite another library
    EXPECT_FALSE(chooser.saveCurrent());
    EXPECT_EQ(host.errors.back(), "Name is already used!");
    EXPECT_TRUE(list.modified());

    host.names = {std::string("v1.2")};  // a dot is no part of a library name
    EXPECT_FALSE(chooser.saveCurrent());
    host.names = {std::string("v1-2")};
    EXPECT_TRUE(chooser.saveCurrent());
    EXPECT_EQ(chooser.hotTemplate(), "v1-2");
    EXPECT_TRUE(dir.exists("v1-2.clb"));
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"alpha", "v1-2", "Work"}));
}

TEST_F(ClipLibraryDirectoryTest, NewRenameDelete) {
    chooser.open(dir.path(), "Work");
    host.names = {std::string("Later")};
    ASSERT_TRUE(chooser.newTemplate());
    EXPECT_EQ(host.dialogs.back(), "Clipbook Template|Enter a name for new template:|");
    EXPECT_EQ(chooser.hotTemplate(), "Later");

    chooser.choose("Work");
    host.names = {std::string("work"), std::string("Alpha"), std::string("Job")};
    EXPECT_FALSE(chooser.renameTemplate());  // differs only in case
    EXPECT_EQ(host.dialogs.back(), "Clipbook Template|Rename template to:|Work");
    EXPECT_FALSE(chooser.renameTemplate());
    EXPECT_EQ(host.errors.back(), "Name is already used!");
    list.addItem("unsaved", "u", nullptr);
    EXPECT_TRUE(chooser.renameTemplate());
    EXPECT_EQ(chooser.hotTemplate(), "Job");
    EXPECT_TRUE(dir.exists("Job.clb"));
    EXPECT_FALSE(dir.exists("Work.clb"));
    EXPECT_TRUE(list.modified());
    EXPECT_EQ(list.count(), 2u);

    ASSERT_TRUE(chooser.deleteTemplate());  // unsaved changes go with it
    EXPECT_FALSE(dir.exists("Job.clb"));
    EXPECT_EQ(chooser.hotTemplate(), "alpha");
    ASSERT_TRUE(chooser.deleteTemplate());
    EXPECT_EQ(chooser.hotTemplate(), "Later");
    ASSERT_TRUE(chooser.deleteTemplate());
    EXPECT_TRUE(chooser.names().empty());
    EXPECT_FALSE(chooser.hasCurrent());
    EXPECT_EQ(list.count(), 0u);
    EXPECT_FALSE(chooser.deleteTemplate());
    EXPECT_FALSE(chooser.renameTemplate());
}

TEST_F(ClipLibraryDirectoryTest, UpdateListDropsAVanishedCurrentLibraryButKeepsItems) {
    chooser.open(dir.path(), "Work");
    std::filesystem::remove(dir.file("Work.clb"));
    dir.write("Zed.clb", "z\r\n");
    chooser.updateList();
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"alpha", "Zed"}));
    EXPECT_FALSE(chooser.hasCurrent());
    EXPECT_EQ(list.count(), 1u);
}

TEST_F(ClipLibraryDirectoryTest, RenamedCurrentLibraryKeepsItsUnsavedItemsUnderTheNewName) {
    chooser.open(dir.path(), "Work");
    list.addItem("extra", "not saved yet", [](const std::string&) { return std::nullopt; });
    ASSERT_TRUE(list.modified());
    std::filesystem::rename(dir.file("Work.clb"), dir.file("Jobs.clb"));
    EXPECT_TRUE(chooser.followRename(dir.file("Work.clb"), dir.file("Jobs.clb")));
    EXPECT_EQ(chooser.hotTemplate(), "Jobs");
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"alpha", "Jobs"}));
    // Nothing was read or written: the edits wait for the next save, into the new file.
    EXPECT_TRUE(list.modified());
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(dir.read("Jobs.clb"), "=MultiLine\r\n\r\nH=w\r\nwork\r\n");
    ASSERT_TRUE(chooser.saveCurrent());
    EXPECT_NE(dir.read("Jobs.clb").find("not saved yet"), std::string::npos);
    EXPECT_FALSE(dir.exists("Work.clb"));
}

TEST_F(ClipLibraryDirectoryTest, RenamingAnotherLibraryOnlyListsAgain) {
    chooser.open(dir.path(), "Work");
    std::filesystem::rename(dir.file("alpha.clb"), dir.file("beta.clb"));
    EXPECT_TRUE(chooser.followRename(dir.file("alpha.clb"), dir.file("beta.clb")));
    EXPECT_EQ(chooser.hotTemplate(), "Work");
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"beta", "Work"}));
    // A library moved out of the directory (or given another extension) is no longer current.
    std::filesystem::rename(dir.file("Work.clb"), dir.file("Work.txt"));
    chooser.followRename(dir.file("Work.clb"), dir.file("Work.txt"));
    EXPECT_FALSE(chooser.hasCurrent());
    EXPECT_FALSE(chooser.followRename(dir.file("x.clb"), dir.file("x.clb")));
}

// Saving and renaming ask the same question: is this file the current library? A directory
// given with a final slash, or a bare name, still counts; another directory or name does not.
TEST_F(ClipLibraryDirectoryTest, TellsTheCurrentLibrarysFileFromOthers) {
    EXPECT_FALSE(chooser.isCurrentFile(dir.file("Work.clb")));
    chooser.open(dir.path() + "/", "Work");
    EXPECT_TRUE(chooser.isCurrentFile(dir.file("Work.clb")));
    EXPECT_TRUE(chooser.isCurrentFile("Work.clb"));
    EXPECT_FALSE(chooser.isCurrentFile(dir.file("alpha.clb")));
    EXPECT_FALSE(chooser.isCurrentFile(dir.path() + "/sub/Work.clb"));
    EXPECT_FALSE(chooser.isCurrentFile(""));
    EXPECT_TRUE(chooser.isInDirectory(dir.file("new.clb")));
    EXPECT_FALSE(chooser.isInDirectory("/elsewhere/new.clb"));
}

TEST(LibraryNames, FiltersPathsAndDefaultTemplate) {
    EXPECT_FALSE(isLibraryNameChar('.'));
    EXPECT_FALSE(isLibraryNameChar('/'));
    EXPECT_FALSE(isLibraryNameChar(8));
    EXPECT_TRUE(isLibraryNameChar(U'\u00E9'));
    EXPECT_FALSE(isSaveLibraryNameChar('.'));
    EXPECT_FALSE(isSaveLibraryNameChar('/'));
    EXPECT_FALSE(isValidLibraryName("..", true));
    EXPECT_FALSE(isValidLibraryName("a\tb"));
    EXPECT_TRUE(isValidLibraryName("My clips"));

    EXPECT_EQ(libraryFilePath("/d/", "x"), "/d/x.clb");
    EXPECT_EQ(libraryFilePath("/d", "x"), "/d/x.clb");
    EXPECT_EQ(templateDirFromDefault("Clipbook", "/data"), "/data");
    EXPECT_EQ(templateDirFromDefault("/lib/clips/Work.clb", "/data"), "/lib/clips");
    EXPECT_EQ(templateNameFromDefault("/lib/clips/Work.CLB"), "Work");
    EXPECT_EQ(templateNameFromDefault("My.Notes"), "My.Notes");
}

}  // namespace
}  // namespace sj
