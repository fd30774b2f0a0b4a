#pragma once
// Plain-string documents for driving the find and replace engine in tests.
#include <deque>
#include <string>
#include <vector>

#include "texttools/FindDocumentSet.h"

namespace sj::test {

class StringDocument : public FindDocument {
public:
    explicit StringDocument(std::string text, bool readOnly = false)
        : m_text(std::move(text)), m_readOnly(readOnly) {}

    std::string_view text() const override { return m_text; }
    std::size_t selectionStart() const override { return m_selStart; }
    std::size_t selectionLength() const override { return m_selLength; }
    void select(std::size_t pos, std::size_t length) override {
        m_selStart = pos;
        m_selLength = length;
    }
    bool readOnly() const override { return m_readOnly; }
    void replaceRange(std::size_t pos, std::size_t length, std::string_view with) override {
        m_text.replace(pos, length, with);
        ++replaceCalls;
    }

    std::string selected() const { return m_text.substr(m_selStart, m_selLength); }
    const std::string& str() const { return m_text; }

    int replaceCalls = 0;

private:
    std::string m_text;
    bool m_readOnly;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
};

class StringDocumentSet : public FindDocumentSet {
public:
    StringDocument& add(std::string text, bool readOnly = false) {
        m_docs.emplace_back(std::move(text), readOnly);
        return m_docs.back();
    }
    std::size_t count() const override { return m_docs.size(); }
    std::size_t currentIndex() const override { return m_current; }
    FindDocument& document(std::size_t index) override { return m_docs.at(index); }
    void activate(std::size_t index) override {
        m_current = index;
        activations.push_back(index);
    }

    StringDocument& doc(std::size_t index) { return m_docs.at(index); }
    StringDocument& current() { return m_docs.at(m_current); }
    void setCurrent(std::size_t index) { m_current = index; }

    std::vector<std::size_t> activations;

private:
    std::deque<StringDocument> m_docs;  // references stay valid as documents are added
    std::size_t m_current = 0;
};

}  // namespace sj::test
