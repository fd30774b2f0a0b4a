#pragma once
// What the find dialog component keeps between openings of its window:
// options, search text in token and decoded form, history and scope.
#include <string>
#include <string_view>

#include "texttools/FindHistory.h"
#include "texttools/FindTokens.h"
#include "texttools/SearchOptions.h"

namespace sj {

class FindSettings {
public:
    SearchOptions options;
    FindHistory findList;
    bool canSearchAll = true;
    bool searchAll = false;

    // Stores the token as typed and the text it stands for.
    void setSearchToken(std::string_view token) {
        m_searchToken = token;
        m_searchText = findtokens::decode(token);
    }
    const std::string& searchToken() const { return m_searchToken; }
    const std::string& searchText() const { return m_searchText; }

private:
    std::string m_searchToken;
    std::string m_searchText;
};

}  // namespace sj
