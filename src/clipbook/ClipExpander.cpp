#include "clipbook/ClipExpander.h"

#include <optional>
#include <unordered_map>

#include <unicode/uchar.h>

#include "clipbook/PromptField.h"
#include "text/Utf8.h"

namespace sj {

namespace {

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        char32_t c = utf8::decode(s, pos);
        utf8::append(out, static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)));
    }
    return out;
}

// At least two characters follow pos.
bool twoCharsFrom(const std::string& s, std::size_t pos) {
    if (pos >= s.size()) return false;
    utf8::decode(s, pos);
    return pos < s.size();
}

// The document's file name as other programs may read it: the file itself
// when it is saved and unchanged, else a fresh temporary copy of its text.
std::optional<std::string> nameForExternalUse(ExpansionDocument& document) {
    std::string name = document.fileName();
    if (!name.empty() && !document.isModified()) return name;
    return document.makeTemporaryCopy();
}

bool replaceCode(ExpansionText& text, std::string_view code, ExpansionDocument& document, bool cutExtension) {
    for (std::size_t pos = text.findCode(code); pos != ExpansionText::npos; pos = text.findCode(code, pos)) {
        std::optional<std::string> name = nameForExternalUse(document);
        if (!name) return false;
        std::string value = cutExtension ? ClipExpander::withoutExtension(*name) : *name;
        text.replaceWithValue(pos, code.size(), value);
        pos += value.size();
    }
    return true;
}

}  // namespace

std::string ClipExpander::removeCommentLines(std::string_view body) {
    std::string out;
    out.reserve(body.size());
    std::size_t pos = 0;
    while (pos < body.size()) {
        std::size_t end = body.find_first_of("\r\n", pos);
        std::size_t next = body.size();
        if (end == std::string_view::npos) {
            end = body.size();
        } else {
            next = end + ((body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n') ? 2 : 1);
        }
        std::string_view line = body.substr(pos, next - pos);  // with its line end
        if (line.starts_with(";;")) {
            out.append(line.substr(1));
        } else if (!line.starts_with(";")) {
            out.append(line);
        }
        pos = next;
    }
    return out;
}

void ClipExpander::fillDateFields(ExpansionText& text, DateFieldSource& dates) {
    std::size_t pos = 0;
    for (;;) {
        std::size_t start = text.findCode("^[", pos);
        if (start == ExpansionText::npos) return;
        std::size_t close = text.findCode("^]", start + 2);
        std::size_t closeLen = 2;
        if (close == ExpansionText::npos) {
            close = text.findCode(']', start + 2);
            closeLen = 1;
            if (close == ExpansionText::npos) return;
        }
        std::string_view pattern = std::string_view(text.text()).substr(start + 2, close - start - 2);
        std::string value = dates.format(pattern.empty() ? std::string_view("C") : pattern);
        text.replaceWithValue(start, close + closeLen - start, value);
        pos = start + value.size();
    }
}

bool ClipExpander::replaceFileNameCodes(ExpansionText& text, ExpansionDocument& document) {
    // Decided before any replacement, as a file name may well contain "^!".
    bool commandClip = text.containsCode("^!");
    if (!replaceCode(text, "^**", document, false)) return false;
    if (commandClip && !replaceCode(text, "^&", document, false)) return false;
    return replaceCode(text, "^*", document, true);
}

bool ClipExpander::askPromptFields(ExpansionText& text, const std::string& selection, PromptHost& prompts) {
    std::unordered_map<std::string, std::string> answers;  // by case-folded prompt name
    std::size_t pos = 0;
    for (;;) {
        std::size_t start = text.findCode("^?", pos);
        if (start == ExpansionText::npos || !twoCharsFrom(text.text(), start + 2)) return true;

        std::size_t end = start + 2;
        ExpansionText content;
        if (text.codeAt(start + 2, "[")) {
            std::size_t close = text.findCode(']', start + 3);
            if (close != ExpansionText::npos) {
                content = text.substr(start + 3, close - start - 3);
                end = close + 1;
            }
        }

        std::optional<std::string> answer;
        if (content.empty()) {
            answer = prompts.askText(PromptHost::kCaption, PromptField::kBareLabel, "");
        } else {
            std::string key = foldCase(PromptField::name(content));
            auto known = answers.find(key);
            if (known != answers.end()) {
                answer = known->second;
            } else {
                std::size_t fromSelection = content.findCode("=^&");
                if (fromSelection != ExpansionText::npos && !selection.empty()) {
                    answer = selection;
                } else {
                    if (fromSelection != ExpansionText::npos) content.erase(fromSelection + 1, 2);
                    answer = PromptField::ask(PromptField::parse(content), prompts);
                }
                if (answer) answers.emplace(std::move(key), *answer);
            }
        }
        if (!answer) return false;
        text.replaceWithValue(start, end - start, *answer);
        pos = start + answer->size();
    }
}

PasteEdit ClipExpander::placeSelection(const ExpansionText& text, const std::string& selection) {
    PasteEdit edit;
    std::size_t mark = text.findCode("^&");
    if (mark == ExpansionText::npos) {
        edit.text = text.text();
        edit.caretOffset = edit.text.size();
        return edit;
    }
    std::string_view all = text.text();
    edit.text.reserve(all.size() + selection.size());
    edit.text.append(all.substr(0, mark));
    if (selection.empty()) {
        edit.caretOffset = mark;
    } else {
        edit.text.append(selection);
        edit.selectInserted = true;
    }
    edit.text.append(all.substr(mark + 2));
    if (edit.selectInserted) edit.caretOffset = edit.text.size();
    return edit;
}

std::string ClipExpander::withoutExtension(const std::string& path) {
    std::size_t nameStart = path.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) return path;
    return path.substr(0, dot);
}

ExpansionResult ClipExpander::expand(std::string_view body, ExpansionDocument* document, bool interactive) {
    ExpansionResult result;
    if (document == nullptr) return result;
    bool launches = interactive && body.starts_with("^!");
    if (!launches && document->isReadOnly()) return result;

    std::string selection = document->selectedText();
    ExpansionText text(removeCommentLines(body));
    fillDateFields(text, m_dates);
    if (!replaceFileNameCodes(text, *document)) {
        result.outcome = ExpansionResult::Outcome::Failed;
        result.error = kTemporaryCopyError;
        return result;
    }
    if (!askPromptFields(text, selection, m_prompts)) {
        result.outcome = ExpansionResult::Outcome::Cancelled;
        return result;
    }
    if (interactive && text.codeAt(0, "^!")) {
        result.outcome = ExpansionResult::Outcome::Launch;
        result.commands = CommandClip::parse(text);
        return result;
    }
    result.outcome = ExpansionResult::Outcome::Paste;
    result.edit = placeSelection(text, selection);
    return result;
}

}  // namespace sj
