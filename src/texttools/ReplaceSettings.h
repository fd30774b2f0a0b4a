#pragma once
// The replace dialog component's state: everything the find component keeps,
// plus the replacement text, its history and the initial Replace button state.
#include <string>
#include <string_view>

#include "texttools/FindSettings.h"

namespace sj {

class ReplaceSettings : public FindSettings {
public:
    FindHistory replaceList;
    bool replaceEnabled = false;

    void setReplaceToken(std::string_view token) {
        m_replaceToken = token;
        m_replaceText = findtokens::decode(token);
    }
    const std::string& replaceToken() const { return m_replaceToken; }
    const std::string& replaceText() const { return m_replaceText; }

private:
    std::string m_replaceToken;
    std::string m_replaceText;
};

}  // namespace sj
