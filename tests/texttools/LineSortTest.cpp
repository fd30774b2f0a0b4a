#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "LineTestText.h"
#include "text/Collation.h"
#include "texttools/LineSort.h"

using namespace sj;
using sj::testing::crlf;

TEST(LineSort, SplitsAtEveryKindOfBreakWithoutATrailingEmptyLine) {
    EXPECT_EQ(splitLines("b\r\na\r\n"), (std::vector<std::string_view>{"b", "a"}));
    EXPECT_EQ(splitLines("a\rb\nc\r\n\r\nd"), (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\r\n").size(), 1u);
    // A NUL is text like any other, not the end of it.
    EXPECT_EQ(splitLines(std::string("x\0y\nz", 5)).size(), 2u);
}

TEST(LineSort, SortsCaseInsensitivelyAndStably) {
    LocaleCollator ci("en_US", true);
    EXPECT_EQ(*sortLines(crlf({"b", "a", "c"}), &ci), crlf({"a", "b", "c"}, true));
    EXPECT_EQ(*sortLines("b\r\na\r\n", &ci), "a\r\nb\r\n");  // no empty line added
    EXPECT_EQ(*sortLines(crlf({"cherry", "Banana", "apple"}), &ci),
              crlf({"apple", "Banana", "cherry"}, true));
    // Lines equal but for case keep their order.
    EXPECT_EQ(*sortLines(crlf({"b", "B", "a", "b2", "b"}), &ci), crlf({"a", "b", "B", "b", "b2"}, true));
    EXPECT_EQ(*sortLines(crlf({"B", "b"}), &ci), crlf({"B", "b"}, true));
    // Accented letters sort with their base letter, not after z.
    EXPECT_EQ(*sortLines(crlf({"zebra", "\xC3\xA4pfel", "apfel"}), &ci),
              crlf({"apfel", "\xC3\xA4pfel", "zebra"}, true));
    EXPECT_EQ(*sortLines(crlf({"", "b", "", "a"}), &ci), crlf({"", "", "a", "b"}, true));
    EXPECT_FALSE(sortLines("only one", &ci));
    EXPECT_FALSE(sortLines("only one\r\n", &ci));
    EXPECT_FALSE(sortLines("", &ci));
    EXPECT_EQ(*sortLines(crlf({"b", "B", "a"}), nullptr), crlf({"B", "a", "b"}, true));
}

TEST(LineSort, KeepsEveryLineOfALargeRandomText) {
    LocaleCollator ci("en_US", true);
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> len(0, 12);
    std::uniform_int_distribution<int> ch(0, 7);
    static const char* const kChars[] = {"a", "A", "b", "B", " ", "-", "\xC3\xA9", "1"};
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i) {
        std::string l;
        for (int k = len(rng); k > 0; --k) l += kChars[ch(rng)];
        lines.push_back(l + "#" + std::to_string(i % 97));  // many lines repeat
    }
    const auto sorted = sortLines(crlf(lines), &ci);
    ASSERT_TRUE(sorted);
    const std::vector<std::string_view> out = splitLines(*sorted);
    ASSERT_EQ(out.size(), lines.size());
    std::multiset<std::string> before(lines.begin(), lines.end()), after(out.begin(), out.end());
    EXPECT_EQ(before, after);
    // Ordered, and equal lines in their original order.
    std::map<std::string, std::vector<std::size_t>> positions;
    for (std::size_t i = 0; i < lines.size(); ++i) positions[lines[i]].push_back(i);
    std::map<std::string, std::size_t> taken;
    std::size_t previousIndex = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::string line(out[i]);
        const std::size_t index = positions[line][taken[line]++];
        if (i > 0) {
            const int c = ci.compare(out[i - 1], out[i]);
            ASSERT_LE(c, 0) << out[i - 1] << " / " << out[i];
            if (c == 0) ASSERT_LT(previousIndex, index);
        }
        previousIndex = index;
    }
}
