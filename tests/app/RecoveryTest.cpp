// Recovery files: their header survives any file name, their writes are whole,
// and only the files of sessions that ended without shutting down are offered.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "app/RecoveryRecord.h"
#include "app/RecoveryStore.h"
#include "support/ScratchDir.h"

using sj::RecoveryRecord;
using sj::RecoveryStore;
using sj::test::ScratchDir;

namespace {

RecoveryRecord recordFor(std::string fileName, std::int64_t savedAt = 100) {
    RecoveryRecord r;
    r.fileName = fileName;
    r.title = fileName.empty() ? "Untitled.1" : fileName;
    r.charset = "Windows-1252";
    r.lineFormat = 1;
    r.savedAt = savedAt;
    return r;
}

std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(RecoveryRecordTest, HeaderCarriesAnyFileNameAndTheTextFollowsUntouched) {
    RecoveryRecord r = recordFor("/home/u/odd\nname\\with=signs\r.txt");
    r.byteOrderMark = true;
    const std::string text = "\n\nline one\r\n\r\nSJRECOVERY 1\nfile=/etc/passwd\n";
    const std::string bytes = r.header() + text;
    std::size_t offset = 0;
    const auto back = RecoveryRecord::parse(bytes, &offset);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, r);
    EXPECT_EQ(bytes.substr(offset), text);
}

TEST(RecoveryRecordTest, OtherFilesAndHeadersCutShortAreNotRecoveryFiles) {
    const std::string header = recordFor("/a.txt").header();
    EXPECT_FALSE(RecoveryRecord::parse("").has_value());
    EXPECT_FALSE(RecoveryRecord::parse("some text\n\n").has_value());
    EXPECT_FALSE(RecoveryRecord::parse(header.substr(0, header.size() - 1)).has_value());
    // A later version's fields are passed over.
    auto r = RecoveryRecord::parse(std::string(RecoveryRecord::kMagic) + "colour=red\nfile=/b\n\nx");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->fileName, "/b");
}

TEST(RecoveryStoreTest, FileNamesTellTheirSession) {
    EXPECT_EQ(RecoveryStore::sessionOf("1234_00ab-7.sjrec"), "1234_00ab");
    EXPECT_EQ(RecoveryStore::sessionOf("1234_00ab.lock"), "");
    EXPECT_EQ(RecoveryStore::sessionOf(".1234_00ab-7.tmp"), "");
    EXPECT_EQ(RecoveryStore::sessionOf("-7.sjrec"), "");
}

TEST(RecoveryStoreTest, WritesReplaceTheWholeFileAndLeaveNothingElseBehind) {
    ScratchDir scratch;
    const std::string dir = scratch.file("recovery");
    RecoveryStore store(dir);
    ASSERT_TRUE(store.beginSession());
    struct stat st {};
    ASSERT_EQ(::stat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "the texts of the user's documents are the user's alone";

    ASSERT_TRUE(store.write(1, recordFor("/a.txt"), "first version, rather long"));
    ASSERT_TRUE(store.write(1, recordFor("/a.txt"), "second"));
    EXPECT_EQ(RecoveryStore::readText(store.pathFor(1)), std::optional<std::string>("second"));
    EXPECT_EQ(namesIn(dir).size(), 2u) << "the page's file and the session's lock, no temporary file";
    store.remove(1);
    EXPECT_FALSE(sj::test::exists(store.pathFor(1)));
}

TEST(RecoveryStoreTest, OnlySessionsThatEndedWithoutShuttingDownAreOffered) {
    ScratchDir scratch;
    const std::string dir = scratch.file("recovery");
    auto crashed = std::make_unique<RecoveryStore>(dir);
    ASSERT_TRUE(crashed->beginSession());
    ASSERT_TRUE(crashed->write(2, recordFor("/later.txt", 200), "later"));
    ASSERT_TRUE(crashed->write(1, recordFor("", 100), "untitled text"));
    RecoveryStore running(dir);
    ASSERT_TRUE(running.beginSession());
    ASSERT_TRUE(running.write(1, recordFor("/open.txt"), "still being edited"));

    RecoveryStore next(dir);
    ASSERT_TRUE(next.beginSession());
    EXPECT_TRUE(next.claimOrphans().empty()) << "both sessions still run";

    crashed.reset();  // its lock goes as it would with a killed process
    const auto orphans = next.claimOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].record.title, "Untitled.1") << "oldest first";
    EXPECT_EQ(orphans[1].record.fileName, "/later.txt");
    EXPECT_EQ(RecoveryStore::readText(orphans[1].path), std::optional<std::string>("later"));

    // An editor started at the same moment does not offer them too.
    RecoveryStore sameMoment(dir);
    ASSERT_TRUE(sameMoment.beginSession());
    EXPECT_TRUE(sameMoment.claimOrphans().empty());

    // Kept for later: they come back at the next start.
    next.discard(orphans[0].path);
    next.releaseClaims();
    const auto again = sameMoment.claimOrphans();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].record.fileName, "/later.txt");
    sameMoment.discard(again[0].path);

    // The last file of the ended session took its lock along.
    running.endSession();
    next.endSession();
    sameMoment.endSession();
    EXPECT_TRUE(namesIn(dir).empty());
}

TEST(RecoveryStoreTest, LeftoversOfAnInterruptedWriteGoAndTheLastWholeVersionStays) {
    ScratchDir scratch;
    const std::string dir = scratch.file("recovery");
    std::string session;
    {
        RecoveryStore crashed(dir);
        ASSERT_TRUE(crashed.beginSession());
        ASSERT_TRUE(crashed.write(3, recordFor("/a.txt"), "whole"));
        session = crashed.sessionId();
        scratch.write("recovery/." + session + "-3.tmp", "SJRECOVERY 1\nfile=/a.t");
    }
    RecoveryStore next(dir);
    ASSERT_TRUE(next.beginSession());
    const auto orphans = next.claimOrphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(RecoveryStore::readText(orphans[0].path), std::optional<std::string>("whole"));
    EXPECT_FALSE(sj::test::exists(dir + "/." + session + "-3.tmp"));
}
