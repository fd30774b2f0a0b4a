#pragma once
// The collator of the user's language, made on first use: opening it loads ICU's
// rules, which a session that never sorts or counts words need not pay for.
#include <memory>

namespace sj {

class LocaleCollator;

class UserCollator {
public:
    UserCollator();
    ~UserCollator();
    UserCollator(const UserCollator&) = delete;
    UserCollator& operator=(const UserCollator&) = delete;

    // Case is ignored (and only case), as line sorting and word lists want.
    const LocaleCollator& get();

private:
    std::unique_ptr<LocaleCollator> m_collator;
};

}  // namespace sj
