#pragma once
// Text under expansion. Every byte is either clip code (written by the clip's
// author) or part of an inserted value (a date, a file name, a prompt answer,
// the selection). Only code bytes are ever read as codes, quotes, separators
// or line ends, so nothing a value contains can become a field, a placeholder
// or a command line.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj {

class ExpansionText {
public:
    static constexpr std::size_t npos = std::string::npos;

    ExpansionText() = default;
    explicit ExpansionText(std::string code);

    const std::string& text() const { return m_text; }
    std::size_t size() const { return m_text.size(); }
    bool empty() const { return m_text.empty(); }
    char at(std::size_t pos) const { return m_text[pos]; }
    bool isCode(std::size_t pos) const { return m_mask[pos] == kCode; }
    // True when s stands at pos and every byte of it is code.
    bool codeAt(std::size_t pos, std::string_view s) const;
    // First occurrence of s at or after from made of code bytes only.
    std::size_t findCode(std::string_view s, std::size_t from = 0) const;
    // First code byte equal to c at or after from.
    std::size_t findCode(char c, std::size_t from = 0) const;
    bool containsCode(std::string_view s) const { return findCode(s) != npos; }

    void replaceWithValue(std::size_t pos, std::size_t len, std::string_view value);
    void replaceWithCode(std::size_t pos, std::size_t len, std::string_view code);
    void erase(std::size_t pos, std::size_t len);
    void appendCode(std::string_view code);
    void appendValue(std::string_view value);
    void append(const ExpansionText& other);

    ExpansionText substr(std::size_t pos, std::size_t len = npos) const;

private:
    static constexpr char kCode = 0;
    static constexpr char kValue = 1;
    void replace(std::size_t pos, std::size_t len, std::string_view s, char kind);

    std::string m_text;
    std::string m_mask;  // one kind byte per text byte
};

}  // namespace sj
