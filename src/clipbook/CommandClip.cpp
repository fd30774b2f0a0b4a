#include "clipbook/CommandClip.h"

#include "clipbook/CommandLineSplitter.h"
#include "text/AsciiCase.h"

namespace sj {

namespace {

// word (upper case) stands at pos as clip code, compared without regard to case.
bool keywordAt(const ExpansionText& t, std::size_t pos, std::string_view word) {
    if (t.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!t.isCode(pos + i) || ascii::toUpper(t.at(pos + i)) != word[i]) return false;
    }
    return true;
}

bool isKeywordLine(const ExpansionText& rest, std::string_view word) {
    return rest.size() == word.size() && keywordAt(rest, 0, word);
}

std::vector<ExpansionText> codeLines(const ExpansionText& text) {
    std::vector<ExpansionText> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char c = text.at(pos);
        if ((c == '\r' || c == '\n') && text.isCode(pos)) {
            lines.push_back(text.substr(start, pos - start));
            pos += (c == '\r' && text.codeAt(pos + 1, "\n")) ? 2 : 1;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

std::vector<CommandStep> CommandClip::parse(const ExpansionText& text) {
    std::vector<CommandStep> steps;
    for (const ExpansionText& line : codeLines(text)) {
        if (!line.codeAt(0, "^!")) continue;
        ExpansionText rest = line.substr(2);
        CommandStep step;
        if (isKeywordLine(rest, "PROMPT")) {
            step.kind = CommandStep::Kind::Prompt;
        } else if (isKeywordLine(rest, "WAIT")) {
            step.kind = CommandStep::Kind::Wait;
        } else if (keywordAt(rest, 0, "URL:")) {
            step.kind = CommandStep::Kind::Url;
            step.text = rest.text().substr(4);
            if (step.text.empty()) continue;
        } else {
            if (rest.empty()) continue;
            step.kind = CommandStep::Kind::Command;
            step.text = rest.text();
            step.argv = CommandLineSplitter::split(rest);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace sj
