#pragma once
// Locale-aware string order for sorting lines and comparing names the way the user's
// language expects. Holds one ICU collator; not safe to share between threads.
#include <memory>
#include <string>
#include <string_view>

struct UCollator;

namespace sj {

class LocaleCollator {
public:
    // localeName like "de_DE" or "en_US.UTF-8" (the encoding part is ignored); an empty or
    // unknown name falls back to the root order. caseInsensitive ignores case (and only case).
    explicit LocaleCollator(const std::string& localeName, bool caseInsensitive);
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    // <0, 0, >0. Malformed UTF-8 compares as if each bad byte were U+FFFD.
    int compare(std::string_view a, std::string_view b) const;

    // A byte string whose plain (memcmp) order is compare()'s order: compute it once per line
    // and sort the keys when there are many lines.
    std::string sortKey(std::string_view utf8) const;
    // The same key appended to out, which keeps its capacity from line to line.
    void appendSortKey(std::string_view utf8, std::string& out) const;

private:
    UCollator* m_collator = nullptr;
};

}  // namespace sj
