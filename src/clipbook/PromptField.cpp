#include "clipbook/PromptField.h"

#include "text/Utf8.h"

namespace sj {

namespace {

std::string cutToChars(const std::string& s, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxChars && pos < s.size(); ++n) utf8::decode(s, pos);
    return s.substr(0, pos);
}

PromptEntry parseEntry(ExpansionText entry, bool& selected) {
    selected = entry.codeAt(0, "_");
    if (selected) entry.erase(0, 1);
    PromptEntry out;
    std::size_t sep = entry.findCode("^=");
    if (sep == ExpansionText::npos) {
        out.shown = entry.text();
    } else {
        out.shown = entry.text().substr(0, sep);
        out.value = entry.text().substr(sep + 2);
    }
    return out;
}

}  // namespace

std::string PromptField::name(const ExpansionText& content) {
    std::size_t eq = content.findCode('=');
    return eq == ExpansionText::npos ? content.text() : content.text().substr(0, eq);
}

PromptQuestion PromptField::parse(const ExpansionText& content) {
    PromptQuestion q;
    ExpansionText rest;
    std::size_t eq = content.findCode('=');
    if (eq == ExpansionText::npos) {
        q.label = content.text();
    } else {
        q.label = content.text().substr(0, eq);
        rest = content.substr(eq + 1);
        if (rest.codeAt(0, "=")) {
            rest.erase(0, 1);
            q.mustPick = true;
        }
    }
    q.label = cutToChars(q.label, kMaxLabelChars);

    std::size_t bar = rest.findCode('|');
    if (bar == ExpansionText::npos) {
        q.defaultText = rest.text();
        return q;
    }
    q.isList = true;
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = rest.findCode('|', start);
        if (end == ExpansionText::npos) end = rest.size();
        bool selected = false;
        q.entries.push_back(parseEntry(rest.substr(start, end - start), selected));
        if (selected) q.selected = static_cast<int>(q.entries.size()) - 1;
        start = end + 1;
    }
    return q;
}

std::optional<std::string> PromptField::ask(const PromptQuestion& q, PromptHost& host) {
    if (!q.isList) return host.askText(PromptHost::kCaption, q.label, q.defaultText);

    std::vector<std::string> shown;
    shown.reserve(q.entries.size());
    for (const PromptEntry& e : q.entries) shown.push_back(e.shown);
    std::optional<AskComboResult> answer =
        host.askCombo(PromptHost::kCaption, q.label, shown, q.selected, q.mustPick);
    if (!answer) return std::nullopt;

    // The entry the answer stands for: the one reported selected when its text
    // is what came back, else the first entry showing exactly that text.
    int picked = -1;
    int idx = answer->selectedIndex;
    if (idx >= 0 && idx < static_cast<int>(shown.size()) && shown[idx] == answer->text) {
        picked = idx;
    } else {
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i] == answer->text) {
                picked = static_cast<int>(i);
                break;
            }
        }
    }
    if (q.mustPick && (answer->text.empty() || picked < 0)) return std::nullopt;
    if (picked >= 0 && q.entries[picked].value) return *q.entries[picked].value;
    return answer->text;
}

}  // namespace sj
