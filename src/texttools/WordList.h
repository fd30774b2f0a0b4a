#pragma once
// The list of different items of a text with their number of occurrences, in the
// case-insensitive order of the user's locale.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class LocaleCollator;

// The progress window as the counting sees it. step() returns false once the user has
// cancelled; the caller keeps what it has so far.
class StatisticsProgress {
public:
    virtual ~StatisticsProgress() = default;
    virtual void open(std::string_view message, std::size_t maximum) = 0;
    virtual bool step(std::size_t position) = 0;
    virtual void close() = 0;
};

inline constexpr std::string_view kCountingWordsMessage = "Counting Words...";
inline constexpr std::string_view kLoadingWordsMessage = "Loading Words...";
inline constexpr std::string_view kDifferentWordsCounted = "Different words counted: ";

// Progress shows only above these sizes, so short texts show no window.
constexpr std::size_t kCountProgressChars = 1500;
constexpr std::size_t kCountProgressInterval = 50;
constexpr std::size_t kLoadProgressEntries = 501;
constexpr std::size_t kLoadProgressInterval = 20;
// Longer items are listed by their first so many characters.
constexpr std::size_t kMaxListedItemChars = 100;

struct WordEntry {
    std::string text;  // of the forms differing only in case, the greatest by character code
    std::size_t count = 0;
    bool operator==(const WordEntry&) const = default;
};

struct WordList {
    std::vector<WordEntry> entries;
    bool cancelled = false;
};

// Counts every different item of text; forms differing only in case are one entry.
WordList countWords(std::string_view text, const LocaleCollator& collator,
                    StatisticsProgress* progress = nullptr);

// The text of the word list box: one "item<TAB>count" line per entry, an empty line and
// the number of entries, lines separated by LF.
std::string formatWordList(const WordList& list, StatisticsProgress* progress = nullptr);

}  // namespace sj
