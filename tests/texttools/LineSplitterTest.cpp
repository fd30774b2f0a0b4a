#include <gtest/gtest.h>

#include "text/CharClass.h"
#include "text/Utf8.h"
#include "texttools/LineSplitter.h"

using namespace sj;

namespace {
// Ten pixels a character, whatever the character.
int fixedWidth(std::string_view s) {
    return static_cast<int>(utf8::countChars(s)) * 10;
}

std::vector<std::string> split(std::string_view line, int width) {
    std::vector<std::string> out;
    for (auto p : splitToWidth(line, width, fixedWidth)) out.emplace_back(p);
    return out;
}

std::string withoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}
}  // namespace

TEST(LineSplitter, WordCharacters) {
    for (char32_t c :
         {U'a', U'Z', U'7', U'"', U'#', U'$', U'\'', U'(', U'<', U'@', U'[', U'_', U'{', U'\u00E4'})
        EXPECT_TRUE(charclass::isSplitWordChar(c)) << static_cast<int>(c);
    for (char32_t c : {U' ', U'-', U',', U'.', U')', U'>', U']', U'}', U'!', U'/', U'\t'})
        EXPECT_FALSE(charclass::isSplitWordChar(c)) << static_cast<int>(c);
}

TEST(LineSplitter, BreaksAfterTheLastBreakCharacterThatFits) {
    EXPECT_EQ(split("hello world", 200), (std::vector<std::string>{"hello world"}));
    EXPECT_EQ(split("hello world foo", 100), (std::vector<std::string>{"hello", "world foo"}));
    EXPECT_EQ(split("one two three four", 90), (std::vector<std::string>{"one two", "three", "four"}));
    // A hyphen stays at the end of its piece.
    EXPECT_EQ(split("well-known thing", 70), (std::vector<std::string>{"well-", "known", "thing"}));
    // A word longer than the width is cut.
    EXPECT_EQ(split("abcdefghij", 40), (std::vector<std::string>{"abcd", "efgh", "ij"}));
    // Exactly fitting text is one piece.
    EXPECT_EQ(split("abcd", 40), (std::vector<std::string>{"abcd"}));
    EXPECT_EQ(split("", 40), (std::vector<std::string>{""}));
    // Characters count, not bytes.
    EXPECT_EQ(split("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", 20),
              (std::vector<std::string>{"\xC3\xA4\xC3\xB6", "\xC3\xBC\xC3\x9F"}));
}

TEST(LineSplitter, NeverLosesTextEvenWhenNothingFits) {
    EXPECT_EQ(split("abc", 5), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(split("abc", 0), (std::vector<std::string>{"a", "b", "c"}));
    const std::string text = "The quick, brown fox-jumps (over) the lazy dog's back; again and again.";
    for (int width = 0; width <= 300; width += 7) {
        std::string joined;
        for (const auto& piece : split(text, width)) {
            EXPECT_LE(fixedWidth(piece), std::max(width, 10)) << piece;
            joined += piece;
        }
        EXPECT_EQ(withoutSpaces(joined), withoutSpaces(text)) << width;
    }
}

TEST(LineSplitter, VeryLongLineIsCutWithoutMeasuringItWholeEachTime) {
    std::string line;
    for (int i = 0; i < 20000; ++i) line += "word" + std::to_string(i % 10) + ' ';
    long measured = 0;
    const TextWidthFn counting = [&](std::string_view s) {
        measured += static_cast<long>(s.size());
        return fixedWidth(s);
    };
    const auto pieces = splitToWidth(line, 800, counting);
    EXPECT_EQ(pieces.size(), 1539u);  // 13 words of 6 characters fit in 80 columns
    EXPECT_LT(measured, 100L * static_cast<long>(line.size()));
}
