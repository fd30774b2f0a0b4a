#include "files/FileUtils.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace sj {
namespace {

namespace fs = std::filesystem;
using namespace fileutils;

TEST(FileUtilsNames, ExtensionsAndBaseNames) {
    EXPECT_EQ(extensionOf("/a/notes.txt"), "txt");
    EXPECT_EQ(extensionOf("/a.dir/notes"), "");
    EXPECT_EQ(extensionOf("archive.tar.gz"), "gz");
    EXPECT_EQ(extensionOf("/home/u/.profile"), "");
    EXPECT_EQ(extensionOf("notes."), "");
    EXPECT_TRUE(hasExtension("notes."));
    EXPECT_FALSE(hasExtension("./notes"));
    EXPECT_FALSE(hasExtension("/a.b/notes"));
    EXPECT_EQ(baseName("/a/b/Favorite.fvr"), "Favorite");
    EXPECT_EQ(baseName("work"), "work");
    EXPECT_EQ(baseName("/x/.hidden"), ".hidden");
    EXPECT_EQ(changeExtension("/a/b.cfg", "INI"), "/a/b.INI");
    EXPECT_EQ(changeExtension("/a.d/work", ".INI"), "/a.d/work.INI");
    EXPECT_EQ(changeExtension("x.txt", ""), "x");
}

TEST(FileUtilsNames, BackupNames) {
    EXPECT_EQ(backupName("/d/notes.txt", false), "/d/notes.~txt");
    EXPECT_EQ(backupName("/d/notes", false), "/d/notes.~");
    EXPECT_EQ(backupName("/d/notes.txt", true), "/d/notes.BAK");
    EXPECT_EQ(backupName("/d.x/notes", true), "/d.x/notes.BAK");
}

TEST(FileUtilsNames, JoinDirectoryAndRelative) {
    EXPECT_EQ(join("/a", "b.txt"), "/a/b.txt");
    EXPECT_EQ(join("/a/", "b.txt"), "/a/b.txt");
    EXPECT_EQ(join("/a", "/b.txt"), "/a/b.txt");
    EXPECT_EQ(join("", "b.txt"), "b.txt");
    EXPECT_EQ(join("/", "b"), "/b");
    EXPECT_EQ(directoryOf("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(directoryOf("/c.txt"), "/");
    EXPECT_EQ(directoryOf("c.txt"), "");
    EXPECT_EQ(directoryOf("/a//c.txt"), "/a");
    EXPECT_EQ(relativeTo("/a/b", "/a/b/c.txt"), "c.txt");
    EXPECT_EQ(relativeTo("/a/b/", "/a/b/c.txt"), "c.txt");
    EXPECT_EQ(relativeTo("/a/B", "/a/b/c.txt"), "/a/b/c.txt");
    EXPECT_EQ(relativeTo("/a", "/a/b/c.txt"), "/a/b/c.txt");
    EXPECT_TRUE(hasWildcards("/a/*.txt"));
    EXPECT_TRUE(hasWildcards("a?"));
    EXPECT_FALSE(hasWildcards("/a/[x].txt"));
}

TEST(FileUtilsNames, LongNameIsAbsoluteAndClean) {
    EXPECT_EQ(longName("notes.txt", "/home/u"), "/home/u/notes.txt");
    EXPECT_EQ(longName("../x/./y.txt", "/home/u"), "/home/x/y.txt");
    EXPECT_EQ(longName("/a//b/", "/cwd"), "/a/b");
    EXPECT_EQ(longName("/", "/cwd"), "/");
    EXPECT_EQ(longName("/a name/with blanks.txt", "/cwd"), "/a name/with blanks.txt");
}

class FileUtilsDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "sjfu.XXXXXX").string();
        m_dir = ::mkdtemp(tmpl.data());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void touch(const std::string& name) { std::ofstream(m_dir / name) << "x"; }
    std::string at(const std::string& name) const { return (m_dir / name).string(); }
    fs::path m_dir;
};

TEST_F(FileUtilsDisk, FilesMatchingSortsAndSkipsDirectories) {
    touch("b.txt");
    touch("a.txt");
    touch(".hidden.txt");
    touch("README");
    touch("c.TXT");
    fs::create_directory(m_dir / "dir.txt");
    EXPECT_EQ(filesMatching(at("*.txt")),
              (std::vector<std::string>{at(".hidden.txt"), at("a.txt"), at("b.txt")}));
    EXPECT_EQ(filesMatching(at("?.txt")), (std::vector<std::string>{at("a.txt"), at("b.txt")}));
    EXPECT_EQ(filesMatching(at("*.*")).size(), 5u);  // README too
    EXPECT_TRUE(filesMatching(at("none/*.txt")).empty());
}

TEST_F(FileUtilsDisk, DirectoriesAndExecutables) {
    EXPECT_TRUE(directoryExists(""));
    EXPECT_TRUE(directoryExists("/"));
    EXPECT_TRUE(directoryExists(m_dir.string() + "/"));
    EXPECT_FALSE(directoryExists(at("missing")));
    touch("plain");
    EXPECT_FALSE(directoryExists(at("plain")));
    EXPECT_TRUE(fileExists(at("plain")));
    EXPECT_FALSE(fileExists(m_dir.string()));
    EXPECT_FALSE(isExecutable(at("plain")));
    ::chmod(at("plain").c_str(), 0755);
    EXPECT_TRUE(isExecutable(at("plain")));
    EXPECT_FALSE(isExecutable(m_dir.string()));

    EXPECT_TRUE(directoryWritable(m_dir.string()));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
    EXPECT_FALSE(directoryWritable(at("missing")));
    EXPECT_TRUE(makeDirectories(at("x/y/z")));
    EXPECT_TRUE(directoryExists(at("x/y/z")));
}

}  // namespace
}  // namespace sj
