// The list file format, including files no program of ours wrote.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "favorites/FavoriteEntry.h"
#include "favorites/FavoriteListFile.h"
#include "support/ScratchDir.h"

namespace sj {
namespace {

using Charset = FavoriteListFile::Charset;

TEST(FavoriteListFile, ReadsEveryLineEndAndWritesCrLfAfterEveryLine) {
    const auto contents = FavoriteListFile::parse("/a\r\n/b\r/c\n\n:Work");
    EXPECT_EQ(contents.entries, (std::vector<std::string>{"/a", "/b", "/c", "", ":Work"}));
    EXPECT_EQ(FavoriteListFile::format(contents.entries, contents.charset),
              "/a\r\n/b\r\n/c\r\n\r\n:Work\r\n");
    EXPECT_TRUE(FavoriteListFile::parse("").entries.empty());
    EXPECT_EQ(FavoriteListFile::parse("\r\n").entries, (std::vector<std::string>{""}));
}

TEST(FavoriteListFile, KeepsTheCharacterSetItWasReadIn) {
    const auto legacy = FavoriteListFile::parse("/home/Jos\xE9/caf\xE9.txt\r\n");
    EXPECT_EQ(legacy.charset, Charset::Windows1252);
    EXPECT_EQ(legacy.entries[0], "/home/Jos\xC3\xA9/caf\xC3\xA9.txt");
    EXPECT_EQ(FavoriteListFile::format(legacy.entries, legacy.charset), "/home/Jos\xE9/caf\xE9.txt\r\n");
    const auto bom = FavoriteListFile::parse("\xEF\xBB\xBF/x\r\n");
    EXPECT_EQ(bom.charset, Charset::Utf8WithBom);
    EXPECT_EQ(bom.entries, (std::vector<std::string>{"/x"}));
    EXPECT_EQ(FavoriteListFile::format(bom.entries, bom.charset), "\xEF\xBB\xBF/x\r\n");
    // A character the old set cannot hold is not lost: the file becomes UTF-8.
    EXPECT_EQ(FavoriteListFile::format({"/\xE2\x82\xAC/\xE4\xB8\xAD"}, Charset::Windows1252),
              "/\xE2\x82\xAC/\xE4\xB8\xAD\r\n");
}

TEST(FavoriteListFile, DamagedAndHugeFilesLoadAndSaveBackEveryEntry) {
    test::ScratchDir dir;
    std::string binary;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') binary += static_cast<char>(b);
    const std::string longLine(1 << 20, 'x');
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "/files/n" + std::to_string(i) + "\n";
    const std::string original = binary + "\r\n" + longLine + "\n" + many;
    const std::string path = dir.write("Damaged.fvr", original);

    const auto loaded = FavoriteListFile::load(path);
    ASSERT_EQ(loaded.entries.size(), 100002u);
    EXPECT_EQ(loaded.entries[1].size(), longLine.size());
    ASSERT_EQ(FavoriteListFile::save(path, loaded.entries, loaded.charset), "");
    const std::string saved = test::readFile(path);
    std::string expected = binary + "\r\n" + longLine + "\r\n";
    for (int i = 0; i < 100000; ++i) expected += "/files/n" + std::to_string(i) + "\r\n";
    EXPECT_EQ(saved, expected);
}

TEST(FavoriteListFile, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    test::ScratchDir dir;
    const std::string path = dir.write("Keep.fvr", "/old\r\n");
    std::string error;
    test::asOrdinaryUser([&] {
        ::chmod(dir.path().c_str(), 0500);
        ::chmod(path.c_str(), 0400);
        error = FavoriteListFile::save(path, {"/new"});
    });
    EXPECT_NE(error, "");
    EXPECT_EQ(test::readFile(path), "/old\r\n");
    EXPECT_TRUE(FavoriteListFile::load(dir.file("Missing.fvr")).entries.empty());
}

TEST(FavoriteEntry, MenuShowsFileNamesAndWholeDirectoriesButNoReferences) {
    const std::vector<std::string> entries{"/docs/a.txt", ":Work", "/docs/", "/src/*.cpp", "", "b & c.txt"};
    const auto items = favorite::menuItems(entries);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].caption, "a.txt");
    EXPECT_EQ(items[0].hint, "/docs/a.txt");
    EXPECT_EQ(items[1].caption, "/docs/");
    EXPECT_EQ(items[1].entry, 2u);
    EXPECT_EQ(items[2].caption, "*.cpp");
    EXPECT_EQ(items[3].caption, "b & c.txt");
    EXPECT_EQ(favorite::kindOf(":Work"), favorite::Kind::Reference);
    EXPECT_EQ(favorite::kindOf("/docs/"), favorite::Kind::Directory);
    EXPECT_EQ(favorite::kindOf("/src/*.cpp"), favorite::Kind::Pattern);
    EXPECT_EQ(favorite::kindOf("/src/a.cpp"), favorite::Kind::File);
    EXPECT_EQ(favorite::directoryOf("/docs/"), "/docs");
    EXPECT_EQ(favorite::directoryOf("/docs/a.txt"), "/docs");
    EXPECT_EQ(favorite::missingDirectoryMessage("/gone"), "Directory '/gone' does not exist!");
}

}  // namespace
}  // namespace sj
