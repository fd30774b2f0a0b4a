#include "clipbook/ExpansionText.h"

#include <algorithm>

namespace sj {

ExpansionText::ExpansionText(std::string code) : m_text(std::move(code)), m_mask(m_text.size(), kCode) {}

bool ExpansionText::codeAt(std::size_t pos, std::string_view s) const {
    if (pos > m_text.size() || m_text.size() - pos < s.size()) return false;
    if (std::string_view(m_text).substr(pos, s.size()) != s) return false;
    return std::all_of(m_mask.begin() + pos, m_mask.begin() + pos + s.size(),
                       [](char k) { return k == kCode; });
}

std::size_t ExpansionText::findCode(std::string_view s, std::size_t from) const {
    if (s.empty()) return from <= m_text.size() ? from : npos;
    for (std::size_t pos = m_text.find(s, from); pos != npos; pos = m_text.find(s, pos + 1)) {
        if (codeAt(pos, s)) return pos;
    }
    return npos;
}

std::size_t ExpansionText::findCode(char c, std::size_t from) const {
    for (std::size_t pos = m_text.find(c, from); pos != npos; pos = m_text.find(c, pos + 1)) {
        if (m_mask[pos] == kCode) return pos;
    }
    return npos;
}

void ExpansionText::replace(std::size_t pos, std::size_t len, std::string_view s, char kind) {
    m_text.replace(pos, len, s);
    m_mask.replace(pos, len, s.size(), kind);
}

void ExpansionText::replaceWithValue(std::size_t pos, std::size_t len, std::string_view value) {
    replace(pos, len, value, kValue);
}

void ExpansionText::replaceWithCode(std::size_t pos, std::size_t len, std::string_view code) {
    replace(pos, len, code, kCode);
}

void ExpansionText::erase(std::size_t pos, std::size_t len) {
    replace(pos, len, {}, kCode);
}

void ExpansionText::appendCode(std::string_view code) {
    replace(m_text.size(), 0, code, kCode);
}

void ExpansionText::appendValue(std::string_view value) {
    replace(m_text.size(), 0, value, kValue);
}

void ExpansionText::append(const ExpansionText& other) {
    m_text += other.m_text;
    m_mask += other.m_mask;
}

ExpansionText ExpansionText::substr(std::size_t pos, std::size_t len) const {
    ExpansionText out;
    out.m_text = m_text.substr(pos, len);
    out.m_mask = m_mask.substr(pos, len);
    return out;
}

}  // namespace sj
