#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/InstanceLock.h"
#include "app/PeerCredentials.h"
#include "app/PrivateDirectory.h"
#include "support/ScratchDir.h"

#include <sys/socket.h>

using sj::PrivateDirectory;
using sj::test::ScratchDir;

namespace {

unsigned me() {
    return static_cast<unsigned>(::getuid());
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(PrivateDirectoryTest, InstanceDirectoryNeverDependsOnANameOthersCanGuessWithoutACheck) {
    EXPECT_EQ(PrivateDirectory::instanceDirectory("/run/user/1000", 1000), "/run/user/1000/superjotleaf");
    EXPECT_EQ(PrivateDirectory::instanceDirectory("/run/user/1000/", 1000), "/run/user/1000/superjotleaf");
    // Unset or relative runtime directories fall back to a per-user directory,
    // which ensure() then has to vouch for.
    EXPECT_EQ(PrivateDirectory::instanceDirectory("", 1001), "/tmp/superjotleaf-1001");
    EXPECT_EQ(PrivateDirectory::instanceDirectory("run", 1001), "/tmp/superjotleaf-1001");
}

TEST(PrivateDirectoryTest, CreatesTheDirectoryForItsUserAlone) {
    ScratchDir scratch;
    const std::string dir = scratch.file("private");
    std::string error;
    ASSERT_TRUE(PrivateDirectory::ensure(dir, me(), &error)) << error;
    EXPECT_EQ(modeOf(dir), 0700u);
    EXPECT_TRUE(PrivateDirectory::ensure(dir, me(), &error)) << "an existing private directory is reused";
}

TEST(PrivateDirectoryTest, RefusesADirectoryOthersCouldHavePreparedOrCanEnter) {
    ScratchDir scratch;
    std::string error;

    const std::string open = scratch.file("open");
    ::mkdir(open.c_str(), 0777);
    ::chmod(open.c_str(), 0755);
    EXPECT_FALSE(PrivateDirectory::ensure(open, me(), &error));
    EXPECT_NE(error.find("open to other users"), std::string::npos) << error;

    // A link planted under the expected name, pointing at a directory the
    // user owns, must not be followed either.
    const std::string target = scratch.file("target");
    ::mkdir(target.c_str(), 0700);
    const std::string link = scratch.file("link");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    EXPECT_FALSE(PrivateDirectory::ensure(link, me(), &error));

    const std::string file = scratch.file("file");
    scratch.write("file", "x");
    EXPECT_FALSE(PrivateDirectory::ensure(file, me(), &error));

    // Another user's directory, created before the user's first start.
    const std::string foreign = scratch.file("foreign");
    ::mkdir(foreign.c_str(), 0700);
    EXPECT_FALSE(PrivateDirectory::ensure(foreign, me() + 1, &error));
    EXPECT_NE(error.find("another user"), std::string::npos) << error;
}

TEST(InstanceLockTest, OnlyOneHolderAtATimeAndTheLockGoesWithItsHolder) {
    ScratchDir scratch;
    const std::string path = scratch.file("instance.lock");
    {
        sj::InstanceLock first, second;
        EXPECT_TRUE(first.tryAcquire(path));
        EXPECT_FALSE(second.tryAcquire(path));
        EXPECT_FALSE(second.held());
        first.release();
        EXPECT_TRUE(second.tryAcquire(path));
    }
    sj::InstanceLock later;
    EXPECT_TRUE(later.tryAcquire(path)) << "the lock ends with its holder";
}

TEST(InstanceLockTest, NeverFollowsALinkPlantedAsTheLockFile) {
    ScratchDir scratch;
    scratch.write("victim", "keep");
    const std::string link = scratch.file("instance.lock");
    ASSERT_EQ(::symlink(scratch.file("victim").c_str(), link.c_str()), 0);
    sj::InstanceLock lock;
    EXPECT_FALSE(lock.tryAcquire(link));
}

TEST(PeerCredentialsTest, TellsTheUserAtTheOtherEnd) {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    EXPECT_EQ(sj::peerUserId(fds[0]), std::optional<unsigned>(me()));
    ::close(fds[0]);
    ::close(fds[1]);
    EXPECT_FALSE(sj::peerUserId(-1).has_value());
}
