#include <gtest/gtest.h>

#include "config/ReopenList.h"

using sj::ReopenList;

TEST(ReopenList, KeepsTenNewestOnTopAndExistingEntriesInPlace) {
    ReopenList list;
    list.exists = [](const std::string& n) { return n != "/gone"; };
    for (int i = 1; i <= 11; ++i) list.add("/f" + std::to_string(i));
    ASSERT_EQ(list.entries().size(), 10u);
    EXPECT_EQ(list.entries().front(), "/f11");
    EXPECT_EQ(list.entries().back(), "/f2");  // the bottom entry made room
    list.add("/f5");
    EXPECT_EQ(list.entries().front(), "/f11");  // already listed: keeps its place
    list.add("/gone");
    list.add("");
    EXPECT_EQ(list.entries().size(), 10u);
    list.add("/gone", false);
    EXPECT_EQ(list.entries().front(), "/gone");
}

TEST(ReopenList, NamesCompareExactlyAndCaptionsAreNumbered) {
    ReopenList list;
    list.exists = [](const std::string&) { return true; };
    list.add("/a/Notes.txt");
    list.add("/a/notes.txt");  // a different file on a case-sensitive file system
    EXPECT_EQ(list.entries().size(), 2u);
    list.remove("/a/Notes.txt");
    ASSERT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(ReopenList::caption(0, list.entries()[0]), "&0 /a/notes.txt");
}
