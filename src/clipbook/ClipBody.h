#pragma once
// The body of a clip. The command flag is derived from the text, so it is
// recomputed on every change and can never disagree with it.
#include <string>
#include <string_view>

namespace sj {

class ClipBody {
public:
    ClipBody() = default;
    explicit ClipBody(std::string text) { setText(std::move(text)); }

    const std::string& text() const { return m_text; }
    void setText(std::string text) {
        m_text = std::move(text);
        m_command = std::string_view(m_text).starts_with("^!");
    }
    bool isCommand() const { return m_command; }
    bool empty() const { return m_text.empty(); }

    friend bool operator==(const ClipBody& a, const ClipBody& b) { return a.m_text == b.m_text; }

private:
    std::string m_text;
    bool m_command = false;
};

}  // namespace sj
