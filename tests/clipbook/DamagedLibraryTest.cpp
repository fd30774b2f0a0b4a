#include <gtest/gtest.h>

#include <random>

#include "ClipTestDir.h"
#include "clipbook/ClipLibrary.h"

namespace sj {
namespace {

using test::ClipTestDir;

// Loads bytes from a file, saves the library back, loads it again: every item
// read the first time must still be there.
void expectSurvivesSaving(const std::string& bytes, std::size_t minItems = 0) {
    ClipTestDir dir;
    dir.write("d.clb", bytes);
    ClipLibrary first;
    LibraryFileResult r = first.loadFromFile(dir.file("d.clb"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_GE(first.count(), minItems);
    first.setModified(true);
    ASSERT_TRUE(first.saveToFile(dir.file("d.clb")).ok);
    ClipLibrary second;
    ASSERT_TRUE(second.loadFromFile(dir.file("d.clb")).ok);
    EXPECT_EQ(second.items(), first.items());
}

TEST(DamagedLibrary, BinaryBytes) {
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (char& c : bytes) c = static_cast<char>(rng() % 255 + 1);  // no NUL: everything is read
        if (round % 2) bytes.insert(0, "=MultiLine\r\n");
        expectSurvivesSaving(bytes, 1);
    }
}

TEST(DamagedLibrary, NulStopsReadingAndIsReported) {
    ClipTestDir dir;
    dir.write("n.clb", std::string("=MultiLine\r\n\r\nkept\r\n\r\nx\0gone\r\n", 27));
    ClipLibrary list;
    LibraryFileResult r = list.loadFromFile(dir.file("n.clb"));
    EXPECT_TRUE(r.stoppedAtNul);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.item(1).title, "x");
}

TEST(DamagedLibrary, TenMegabyteSingleLine) {
    std::string line(10 * 1024 * 1024, 'q');
    expectSurvivesSaving(line, 1);
    expectSurvivesSaving("=MultiLine\r\n\r\nH=big\r\n" + line + "\r\n", 1);
}

TEST(DamagedLibrary, GarbageHeader) {
    expectSurvivesSaving("=\x01\x02 TABWIDTH= MULTILINE TABWIDTH=-3x \xFF\r\nH=a\r\nb\r\n", 1);
    expectSurvivesSaving("=\r\n=\r\n==\r\n", 2);
    expectSurvivesSaving("=MultiLine TabWidth=-7\r\n\r\na\r\n", 1);
}

TEST(DamagedLibrary, LoneCarriageReturns) {
    ClipTestDir dir;
    dir.write("cr.clb", "=MultiLine\r\rH=one\rfirst\r.\rsecond\r\rtwo\r");
    ClipLibrary list;
    ASSERT_TRUE(list.loadFromFile(dir.file("cr.clb")).ok);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.item(0).body.text(), "first\r\n\r\nsecond");
    expectSurvivesSaving(dir.read("cr.clb"), 2);
}

TEST(DamagedLibrary, DuplicateTitlesAreAllKept) {
    expectSurvivesSaving("=MultiLine\r\n\r\nH=t\r\n1\r\n\r\nH=t\r\n2\r\n\r\nH=T\r\n3\r\n", 3);
}

}  // namespace
}  // namespace sj
