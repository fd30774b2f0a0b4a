#include <gtest/gtest.h>

#include <map>
#include <random>

#include "text/CharClass.h"
#include "text/Collation.h"
#include "text/Utf8.h"
#include "texttools/TextStatistics.h"
#include "texttools/WordList.h"

using namespace sj;

namespace {

const LocaleCollator& collator() {
    static const LocaleCollator c("en_US", true);
    return c;
}

class RecordingProgress : public StatisticsProgress {
public:
    void open(std::string_view message, std::size_t maximum) override {
        messages.emplace_back(message);
        this->maximum = maximum;
        open_ = true;
    }
    bool step(std::size_t position) override {
        EXPECT_TRUE(open_);
        EXPECT_LE(position, maximum);
        ++steps;
        return steps < cancelAfter;
    }
    void close() override { open_ = false; }

    std::vector<std::string> messages;
    std::size_t maximum = 0;
    std::size_t steps = 0;
    std::size_t cancelAfter = SIZE_MAX;
    bool open_ = false;
};

}  // namespace

namespace sj {
void PrintTo(const WordEntry& e, std::ostream* os) {
    *os << '"' << e.text << "\" x" << e.count;
}
}  // namespace sj

TEST(TextStatistics, Counts) {
    EXPECT_EQ(countText("Hello, world"), (TextCounts{12, 2, 0}));
    EXPECT_EQ(countText("well-known"), (TextCounts{10, 1, 0}));
    EXPECT_EQ(countText("abc123 $5"), (TextCounts{9, 0, 2}));
    EXPECT_EQ(countText("na\xC3\xAFve"), (TextCounts{5, 1, 0}));
    EXPECT_EQ(countText("ab\r\ncd"), (TextCounts{4, 2, 0}));
    EXPECT_EQ(countText(""), (TextCounts{}));
    EXPECT_EQ(countText(std::string("a\0b", 3)), (TextCounts{2, 2, 0}));  // NUL separates, is not counted
    EXPECT_EQ(countText("under_score ~tilde #tag 3.14"), (TextCounts{28, 0, 5}));
    EXPECT_EQ(countText("\xE2\x82\xAC"
                        "5 \xCE\xB1\xCE\xB2"),
              (TextCounts{5, 1, 1}));  // euro sign is no letter
    EXPECT_EQ(countText("-"), (TextCounts{1, 1, 0}));
}

// The byte-table counter against a plain character-by-character reading of the rule.
TEST(TextStatistics, CountsAgreeWithReferenceOnRandomText) {
    static const std::vector<std::string> alphabet = {
        "a", "Z", "-", " ", ",", "1", "_", "\r\n", "\xC3\xA9", "\xE2\x82\xAC", "\t", "'", "\xF0\x9F\x98\x80",
        "x"};
    std::mt19937 rng(3);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (int i = 0; i < 200000; ++i) text += alphabet[pick(rng)];
    TextCounts ref;
    bool in = false, other = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        char32_t c = 0;
        if (pos < text.size())
            c = utf8::decode(text, pos);
        else
            ++pos;
        if (c != '\r' && c != '\n' && c != 0) ++ref.characters;
        if (isStatisticsSeparator(c)) {
            if (in) ++(other ? ref.others : ref.words);
            in = other = false;
        } else {
            in = true;
            if (!isWordLetter(c)) other = true;
        }
    }
    EXPECT_EQ(countText(text), ref);
}

TEST(TextStatistics, ScopeAndWidening) {
    const std::string text = "Hello world";
    auto r = statisticsRange(text, {2, 7});  // "llo wor"
    EXPECT_EQ(r.scope, StatisticsScope::SelectedText);
    EXPECT_EQ(r.range, (Selection{0, 11}));
    EXPECT_EQ(countText(std::string_view(text).substr(r.range.start, r.range.length)).words, 2u);
    // One character selected counts the whole document, even a multi-byte one.
    EXPECT_EQ(statisticsRange(text, {3, 1}).scope, StatisticsScope::WholeDocument);
    EXPECT_EQ(statisticsRange("\xC3\xA4x", {0, 2}).scope, StatisticsScope::WholeDocument);
    EXPECT_EQ(statisticsRange(text, {}).range, (Selection{0, 11}));
    // A selection starting just after a word or ending just before one does not take it.
    EXPECT_EQ(statisticsRange("ab cd ef", {2, 4}).range, (Selection{2, 4}));
    EXPECT_EQ(statisticsRange("ab-cd ef", {4, 2}).range, (Selection{3, 3}));  // the hyphen ends a word here
    EXPECT_EQ(statisticsRange("", {}, false).scope, StatisticsScope::NoDocument);
    EXPECT_EQ(statisticsCaption(StatisticsScope::SelectedText), "Text Statistics [Selected Text]");
    EXPECT_EQ(statisticsCaption(StatisticsScope::WholeDocument), "Text Statistics [Whole Document]");
    EXPECT_EQ(statisticsCaption(StatisticsScope::NoDocument), "Text Statistics [No Document]");
}

TEST(WordList, CaseVariantsAreOneEntryShownInTheirGreatestForm) {
    const WordList list = countWords("The the THE", collator());
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0], (WordEntry{"the", 3}));
    EXPECT_EQ(formatWordList(list), "the\t3\n\nDifferent words counted: 1");
    EXPECT_EQ(formatWordList(countWords("", collator())), "\nDifferent words counted: 0");
}

TEST(WordList, OrderAndContent) {
    const WordList list =
        countWords("zebra, Apple; \xC3\xA4pfel apple 42 b-c B-C x_1 \xC3\x84PFEL", collator());
    // Letters come before accents: "apfel" with an umlaut goes before "apple".
    std::vector<WordEntry> expected = {{"42", 1},  {"\xC3\xA4pfel", 2}, {"apple", 2},
                                       {"b-c", 2}, {"x_1", 1},          {"zebra", 1}};
    EXPECT_EQ(list.entries, expected);
    EXPECT_FALSE(list.cancelled);
}

TEST(WordList, LongItemsAreListedByTheirFirstHundredCharacters) {
    const std::string base(99, 'a');
    const std::string text = base + "\xC3\xA9" + "xyz " + base + "\xC3\xA9" + "q";
    const WordList list = countWords(text, collator());
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].text, base + "\xC3\xA9");
    EXPECT_EQ(list.entries[0].count, 2u);
}

TEST(WordList, TotalsMatchTheCountsOnLargeText) {
    std::mt19937 rng(5);
    static const std::vector<std::string> words = {"alpha", "Alpha", "beta", "x1", "\xC3\xA9t\xC3\xA9",
                                                   "g-h"};
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::string text;
    std::map<std::string, std::size_t> expected;
    for (int i = 0; i < 50000; ++i) {
        const std::string& w = words[pick(rng)];
        text += w + (i % 7 ? " " : ".\r\n");
        std::string lower = charclass::foldCase(w);
        ++expected[lower];
    }
    const WordList list = countWords(text, collator());
    const TextCounts counts = countText(text);
    std::size_t total = 0;
    for (const auto& e : list.entries) {
        total += e.count;
        EXPECT_EQ(e.count, expected[charclass::foldCase(e.text)]) << e.text;
    }
    EXPECT_EQ(total, counts.words + counts.others);
    EXPECT_EQ(list.entries.size(), expected.size());
}

TEST(WordList, ProgressThresholdsAndCancel) {
    RecordingProgress quiet;
    countWords(std::string(1500, 'a'), collator(), &quiet);
    EXPECT_TRUE(quiet.messages.empty());

    std::string text;
    for (int i = 0; i < 1000; ++i) text += "w" + std::to_string(i) + ' ';
    RecordingProgress shown;
    WordList list = countWords(text, collator(), &shown);
    EXPECT_EQ(shown.messages, std::vector<std::string>{"Counting Words..."});
    EXPECT_EQ(shown.maximum, text.size());
    EXPECT_EQ(shown.steps, text.size() / 50);
    EXPECT_FALSE(shown.open_);

    RecordingProgress loading;
    const std::string formatted = formatWordList(list, &loading);
    EXPECT_EQ(loading.messages, std::vector<std::string>{"Loading Words..."});
    EXPECT_NE(formatted.find("\n\nDifferent words counted: 1000"), std::string::npos);

    // Cancel keeps what was counted so far.
    RecordingProgress cancel;
    cancel.cancelAfter = 10;
    list = countWords(text, collator(), &cancel);
    EXPECT_TRUE(list.cancelled);
    EXPECT_GT(list.entries.size(), 50u);
    EXPECT_LT(list.entries.size(), 150u);
    RecordingProgress cancelLoad;
    cancelLoad.cancelAfter = 2;
    WordList many;
    for (int i = 0; i < 600; ++i) many.entries.push_back({"w" + std::to_string(i), 1});
    const std::string partial = formatWordList(many, &cancelLoad);
    EXPECT_EQ(std::count(partial.begin(), partial.end(), '\t'), 40);
    EXPECT_NE(partial.find("Different words counted: 600"), std::string::npos);
}
