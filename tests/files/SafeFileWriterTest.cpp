// The safe writer where the directory refuses a temporary file: the file is
// rewritten in place, and a failure on the way leaves its old bytes.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "files/SafeFileWriter.h"
#include "support/ScratchDir.h"

using namespace sj;
using sj::test::readFile;
using sj::test::ScratchDir;

namespace {

// A directory that will not take new files, as far as the writer can tell.
SafeWriteOptions lockedDirectory() {
    SafeWriteOptions o;
    o.sync = false;
    o.createTempFn = [](char*) {
        errno = EACCES;
        return -1;
    };
    return o;
}

std::size_t entriesIn(const std::string& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

}  // namespace

TEST(SafeFileWriterInPlace, GrowsAndShrinksTheFileExactly) {
    ScratchDir dir;
    const std::string path = dir.write("f.txt", std::string(600, 'o'));
    SafeWriteResult r = SafeFileWriter::write(path, std::string(1200, 'n'), lockedDirectory());
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.inPlace);
    EXPECT_EQ(readFile(path), std::string(1200, 'n'));
    r = SafeFileWriter::write(path, "short", lockedDirectory());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(readFile(path), "short");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(SafeFileWriterInPlace, NoRoomRefusesBeforeTouchingTheFile) {
    ScratchDir dir;
    const std::string old(600 * 1024, 'o');
    const std::string path = dir.write("f.txt", old);
    SafeWriteOptions o = lockedDirectory();
    o.reserveFn = [](int, off_t) { return ENOSPC; };
    int writes = 0;
    o.writeFn = [&](int fd, const void* b, std::size_t n) {
        ++writes;
        return ::write(fd, b, n);
    };
    const SafeWriteResult r = SafeFileWriter::write(path, std::string(1200 * 1024, 'n'), o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOSPC);
    EXPECT_TRUE(r.unchanged);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(readFile(path), old);
}

TEST(SafeFileWriterInPlace, FailureHalfwayPutsTheOldBytesBack) {
    ScratchDir dir;
    std::string old;
    for (int i = 0; i < 20000; ++i) old += "line " + std::to_string(i) + "\n";
    const std::string path = dir.write("f.txt", old);
    SafeWriteOptions o = lockedDirectory();
    int calls = 0;
    o.writeFn = [&](int fd, const void* b, std::size_t n) -> ssize_t {
        if (++calls == 1) return ::write(fd, b, n / 2);  // half gets out, then the disk is full
        errno = ENOSPC;
        return -1;
    };
    const SafeWriteResult r = SafeFileWriter::write(path, std::string(old.size() * 2, 'n'), o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOSPC);
    EXPECT_TRUE(r.unchanged);
    EXPECT_TRUE(r.rescueName.empty());
    EXPECT_EQ(readFile(path), old);
}

TEST(SafeFileWriterInPlace, BackupRuleHoldsThere) {
    ScratchDir dir;
    const std::string path = dir.write("f.txt", "v1\n");
    const std::string backup = dir.write("f.~txt", "older\n");
    SafeWriteOptions o = lockedDirectory();
    o.backupName = backup;
    const SafeWriteResult r = SafeFileWriter::write(path, "v2\n", o);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.backupMade);
    EXPECT_EQ(readFile(backup), "v1\n");
    EXPECT_EQ(readFile(path), "v2\n");
}

TEST(SafeFileWriterInPlace, RealLockedDirectoryForAnOrdinaryUser) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand the file to another user";
    ScratchDir dir;
    ::chmod(dir.path().c_str(), 0755);  // root's directory
    const std::string path = dir.write("mine.txt", "old\n");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    SafeWriteResult r;
    test::asOrdinaryUser([&] {
        SafeWriteOptions o;
        o.sync = false;
        o.backupName = dir.file("mine.~txt");
        r = SafeFileWriter::write(path, "new and longer\n", o);
    });
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.inPlace);
    EXPECT_TRUE(r.backupFailed);  // said, not hidden: the directory takes no backup
    EXPECT_EQ(readFile(path), "new and longer\n");
}

TEST(SafeFileWriter, SaverOutsideTheOwnersGroupStillKeepsAGroupItIsIn) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    ScratchDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string path = dir.write("shared.txt", "x\n");
    // Owned by root, group 65534, writable by the group; the saver is a
    // member of that group whose own group is another one.
    ASSERT_EQ(::chown(path.c_str(), 0, 65534), 0);
    ::chmod(path.c_str(), 0664);
    const gid_t groups[] = {65534};
    ASSERT_EQ(::setgroups(1, groups), 0);
    ASSERT_EQ(::setegid(1), 0);
    ASSERT_EQ(::seteuid(1), 0);
    SafeWriteOptions o;
    o.sync = false;
    const SafeWriteResult r = SafeFileWriter::write(path, "y\n", o);
    ASSERT_EQ(::seteuid(0), 0);
    ASSERT_EQ(::setegid(0), 0);
    ::setgroups(0, nullptr);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.inPlace);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_uid, 1u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
}
