// One file, reached under several names: its own, a symbolic link, a second
// hard link. It is open in one page at most.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/DocumentSetRules.h"
#include "support/ScratchDir.h"

using sj::DocumentSetRules;
using sj::test::ScratchDir;

TEST(SameFileTest, LinksAndHardLinksAreTheFileTheyLeadTo) {
    ScratchDir dir;
    const std::string file = dir.write("a.txt", "a");
    const std::string other = dir.write("b.txt", "b");
    const std::string link = dir.file("link.txt");
    const std::string hard = dir.file("hard.txt");
    ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
    ASSERT_EQ(::link(file.c_str(), hard.c_str()), 0);

    const std::vector<DocumentSetRules::OpenFile> pages = {
        {"Untitled.1", std::nullopt},
        {other, DocumentSetRules::identityOf(other)},
        {file, DocumentSetRules::identityOf(file)},
    };
    for (const std::string& name : {file, link, hard})
        EXPECT_EQ(DocumentSetRules::pageShowing(pages, name, DocumentSetRules::identityOf(name)), 2) << name;
    EXPECT_EQ(DocumentSetRules::pageShowing(pages, other, DocumentSetRules::identityOf(other)), 1);
    const std::string fresh = dir.write("c.txt", "c");
    EXPECT_EQ(DocumentSetRules::pageShowing(pages, fresh, DocumentSetRules::identityOf(fresh)), -1);
}

TEST(SameFileTest, WithoutAFileOnDiskTheTitleDecides) {
    ScratchDir dir;
    const std::string gone = dir.file("gone.txt");
    EXPECT_FALSE(DocumentSetRules::identityOf(gone).has_value());
    EXPECT_FALSE(DocumentSetRules::identityOf("").has_value());
    const std::string present = dir.write("present.txt", "p");
    const std::vector<DocumentSetRules::OpenFile> pages = {
        {gone, std::nullopt},
        {present, DocumentSetRules::identityOf(present)},
    };
    EXPECT_EQ(DocumentSetRules::pageShowing(pages, gone, std::nullopt), 0);
    // A page whose file was deleted is not the same file as a new one that
    // took another name.
    EXPECT_EQ(DocumentSetRules::pageShowing(pages, dir.file("new.txt"), std::nullopt), -1);
}
