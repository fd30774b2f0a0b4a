#include <gtest/gtest.h>

#include "texttools/FindHistory.h"
#include "texttools/FindTokens.h"
#include "texttools/SearchOptions.h"

using namespace sj;

TEST(SearchOptions, BitValuesAndDefault) {
    SearchOptions o;
    EXPECT_EQ(o.bits(), 1);
    EXPECT_TRUE(o.down());
    o.setMatchCase(true);
    o.setWholeWord(true);
    o.setDirectionDisabled(true);
    EXPECT_EQ(o.bits(), 1 + 32 + 128 + 2048);
    o.setDown(false);
    EXPECT_EQ(o.bits(), 32 + 128 + 2048);
    EXPECT_TRUE(SearchOptions(2048).wholeWord());
    EXPECT_FALSE(SearchOptions(2048).down());
}

TEST(FindTokens, DecodesEveryTokenInEitherCase) {
    EXPECT_EQ(findtokens::decode("a^Tb^tc"), "a\tb\tc");
    EXPECT_EQ(findtokens::decode("^P^p"), "\r\n\r\n");
    EXPECT_EQ(findtokens::decode("^C^L^B^^"), "\r\n\f^");
    EXPECT_EQ(findtokens::decode("^c^l^b"), "\r\n\f");
}

TEST(FindTokens, LeavesOtherCaretsAlone) {
    EXPECT_EQ(findtokens::decode("^x"), "^x");
    EXPECT_EQ(findtokens::decode("a^"), "a^");
    EXPECT_EQ(findtokens::decode("^^T"), "^T");  // the doubled caret comes first
    EXPECT_EQ(findtokens::decode("^^^"), "^^");
    EXPECT_EQ(findtokens::decode("\xC3\xA9^T"), "\xC3\xA9\t");
}

TEST(FindTokens, EncodesLineBreaksAndControls) {
    EXPECT_EQ(findtokens::encode("a\r\nb"), "a^Pb");
    EXPECT_EQ(findtokens::encode("\t\n\f\r"), "^T^L^B^C");
    EXPECT_EQ(findtokens::encode("\r\r\n"), "^C^P");
    EXPECT_EQ(findtokens::encode("x^y"), "x^y");
}

TEST(FindTokens, EncodingRoundTripsCaretsThatWouldStartATokens) {
    for (const std::string text : {"^T", "^p", "a^^b", "^\t", "^", "^^", "5^2", "^\r\n"}) {
        EXPECT_EQ(findtokens::decode(findtokens::encode(text)), text) << text;
    }
}

TEST(FindTokens, CutsAt254CharactersWithoutSplittingATokenOrCharacter) {
    const std::string plain(300, 'a');
    EXPECT_EQ(findtokens::encode(plain).size(), 254u);

    std::string tabs = std::string(253, 'a') + "\tb";
    EXPECT_EQ(findtokens::encode(tabs), std::string(253, 'a'));  // "^T" would need 255

    std::string accents;
    for (int i = 0; i < 300; ++i) accents += "\xC3\xA9";
    const std::string cut = findtokens::encode(accents);
    EXPECT_EQ(cut.size(), 254u * 2);
}

TEST(FindTokens, PasteTakes255CharactersThenEncodes) {
    const std::string clip = std::string(255, 'x') + "\t";
    EXPECT_EQ(findtokens::encodePasted(clip), std::string(254, 'x'));
    EXPECT_EQ(findtokens::encodePasted("a\r\nb"), "a^Pb");
    EXPECT_EQ(findtokens::encodePasted(""), "");
}

TEST(FindHistory, NewestFirstWithoutDuplicatesAndLimited) {
    FindHistory h(3);
    h.add("one");
    h.add("two");
    h.add("");
    h.add("one");
    EXPECT_EQ(h.items(), (std::vector<std::string>{"one", "two"}));
    h.add("three");
    h.add("four");
    EXPECT_EQ(h.items(), (std::vector<std::string>{"four", "three", "one"}));
    h.add("One");  // case matters: a different entry
    EXPECT_EQ(h.items().front(), "One");
}
