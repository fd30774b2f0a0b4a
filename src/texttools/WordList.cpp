#include "texttools/WordList.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "text/Collation.h"
#include "text/Utf8.h"
#include "text/WordDelimiters.h"

namespace sj {

namespace {

struct SeparatorTable {
    std::array<bool, 128> of{};
    SeparatorTable() {
        for (char32_t c = 0; c < 128; ++c) of[c] = isWordDelimiterNoHyphen(c);
    }
};

bool isSeparatorByte(unsigned char b) {
    static const SeparatorTable table;
    return b < 128 && table.of[b];
}

// Closes the progress window however the counting ends.
class ProgressScope {
public:
    ProgressScope(StatisticsProgress* progress, std::string_view message, std::size_t maximum)
        : m_progress(progress) {
        if (m_progress) m_progress->open(message, maximum);
    }
    ~ProgressScope() {
        if (m_progress) m_progress->close();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    bool step(std::size_t position) { return !m_progress || m_progress->step(position); }

private:
    StatisticsProgress* m_progress;
};

bool longerThan(std::string_view text, std::size_t chars) {
    if (text.size() <= chars) return false;
    std::size_t pos = 0, n = 0;
    while (pos < text.size() && n <= chars) {
        utf8::decode(text, pos);
        ++n;
    }
    return n > chars;
}

}  // namespace

WordList countWords(std::string_view text, const LocaleCollator& collator, StatisticsProgress* progress) {
    WordList list;
    // Exact written forms first: most items repeat, and hashing is cheaper than collation.
    std::unordered_map<std::string_view, std::size_t> forms;
    forms.reserve(1024);
    {
        ProgressScope scope(longerThan(text, kCountProgressChars) ? progress : nullptr, kCountingWordsMessage,
                            text.size());
        const std::size_t n = text.size();
        std::size_t pos = 0;
        std::size_t itemStart = 0, itemCut = 0, itemChars = 0;
        std::size_t sinceStep = 0;
        bool inItem = false;
        while (pos < n) {
            if (++sinceStep == kCountProgressInterval) {
                sinceStep = 0;
                if (!scope.step(pos)) {
                    list.cancelled = true;
                    inItem = false;
                    break;
                }
            }
            const auto b = static_cast<unsigned char>(text[pos]);
            if (isSeparatorByte(b)) {
                if (inItem) ++forms[text.substr(itemStart, itemCut - itemStart)];
                inItem = false;
                ++pos;
                continue;
            }
            if (!inItem) {
                inItem = true;
                itemStart = pos;
                itemChars = 0;
            }
            if (b < 0x80)
                ++pos;
            else
                utf8::decode(text, pos);
            if (itemChars < kMaxListedItemChars) {
                ++itemChars;
                itemCut = pos;
            }
        }
        if (inItem) ++forms[text.substr(itemStart, itemCut - itemStart)];
    }

    // Then one sort key per distinct form: forms with equal keys differ only in case.
    struct Form {
        std::string_view text;
        std::size_t count;
        std::string key;
    };
    std::vector<Form> distinct;
    distinct.reserve(forms.size());
    for (const auto& [form, count] : forms) distinct.push_back({form, count, collator.sortKey(form)});
    std::sort(distinct.begin(), distinct.end(), [](const Form& a, const Form& b) {
        if (a.key != b.key) return a.key < b.key;
        return a.text < b.text;
    });
    for (std::size_t i = 0; i < distinct.size();) {
        WordEntry entry;
        std::size_t j = i;
        for (; j < distinct.size() && distinct[j].key == distinct[i].key; ++j)
            entry.count += distinct[j].count;
        // Sorted by text within the key, so the last form is the greatest by character code.
        entry.text = std::string(distinct[j - 1].text);
        list.entries.push_back(std::move(entry));
        i = j;
    }
    return list;
}

std::string formatWordList(const WordList& list, StatisticsProgress* progress) {
    std::string out;
    const std::size_t total = list.entries.size();
    {
        ProgressScope scope(total > kLoadProgressEntries ? progress : nullptr, kLoadingWordsMessage, total);
        for (std::size_t i = 0; i < total; ++i) {
            if (i % kLoadProgressInterval == 0 && i > 0 && !scope.step(i)) break;
            const WordEntry& e = list.entries[i];
            out += e.text;
            out += '\t';
            out += std::to_string(e.count);
            out += '\n';
        }
    }
    out += '\n';
    out += kDifferentWordsCounted;
    out += std::to_string(total);
    return out;
}

}  // namespace sj
