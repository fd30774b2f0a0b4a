// Start-up removes the temporary files a killed editor left: only the
// program's own names, only the user's files, never one still in use.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>

#include "files/LeftoverFiles.h"
#include "files/TempCopies.h"
#include "support/ScratchDir.h"

using namespace sj;
using sj::test::ScratchDir;

TEST(LeftoverFiles, OnlyTheProgramsOwnNames) {
    EXPECT_TRUE(LeftoverFiles::isSaveTemporary(".notes.txt.sj~a1B2c3"));
    EXPECT_TRUE(LeftoverFiles::isSaveTemporary(".x.sj~000000"));
    EXPECT_FALSE(LeftoverFiles::isSaveTemporary("notes.txt.sj~a1B2c3"));  // no leading dot
    EXPECT_FALSE(LeftoverFiles::isSaveTemporary(".notes.txt.sj~a1B2c"));  // five characters
    EXPECT_FALSE(LeftoverFiles::isSaveTemporary(".notes.txt.sj~a1B2c!"));
    EXPECT_FALSE(LeftoverFiles::isSaveTemporary(".notes.txt.sj-rescue~a1B2c3"));
    EXPECT_TRUE(LeftoverFiles::isTemporaryCopy("qva~0.txt"));
    EXPECT_TRUE(LeftoverFiles::isTemporaryCopy("qva~9999.htm"));
    EXPECT_TRUE(LeftoverFiles::isTemporaryCopy("qva~12"));
    EXPECT_FALSE(LeftoverFiles::isTemporaryCopy("qva~.txt"));
    EXPECT_FALSE(LeftoverFiles::isTemporaryCopy("qva~12345.txt"));
    EXPECT_FALSE(LeftoverFiles::isTemporaryCopy("qva~1x.txt"));
    EXPECT_FALSE(LeftoverFiles::isTemporaryCopy("my qva~1.txt"));
}

TEST(LeftoverFiles, SweepRemovesOnlyUnusedLeftoversOfThisUser) {
    ScratchDir dir;
    const std::string stale = dir.write(".a.txt.sj~Xy12Zq", "half a save");
    const std::string copy = dir.write("qva~3.txt", "copy");
    const std::string mine = dir.write("a.txt", "document");
    const std::string lookalike = dir.write("qva~note.txt", "user's own file");
    // A temporary copy of a running editor: its lock says so.
    TempCopies running;
    const std::string live = running.create(dir.path(), "htm", "live");
    ASSERT_FALSE(live.empty());
    // Another user's leftover.
    const std::string foreign = dir.write(".b.txt.sj~Qq11Ww", "theirs");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }

    std::vector<std::string> removed = LeftoverFiles::sweep({dir.path(), dir.path()});
    std::sort(removed.begin(), removed.end());
    std::vector<std::string> expected = {stale, copy};
    std::sort(expected.begin(), expected.end());
    if (!root) {
        expected.push_back(foreign);  // without root it is this user's own
        std::sort(expected.begin(), expected.end());
    }
    EXPECT_EQ(removed, expected);
    EXPECT_TRUE(test::exists(mine));
    EXPECT_TRUE(test::exists(lookalike));
    EXPECT_TRUE(test::exists(live));
    if (root) {
        EXPECT_TRUE(test::exists(foreign));
    }
    EXPECT_EQ(running.deleteAll(), 0u);
    EXPECT_FALSE(test::exists(live));
}
