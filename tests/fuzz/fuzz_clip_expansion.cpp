// Clip expansion with the command language: any body, any answers to its
// prompts, any document state; nothing may crash, and a paste only ever
// places the caret inside the text it inserts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "FuzzCheck.h"
#include "clipbook/ClipExpander.h"

namespace {

class FuzzedPrompts : public sj::PromptHost {
public:
    explicit FuzzedPrompts(FuzzedDataProvider& data) : m_data(data) {}
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
        if (m_data.ConsumeBool()) return std::nullopt;
        return m_data.ConsumeRandomLengthString(64);
    }
    std::optional<sj::AskComboResult> askCombo(const std::string&, const std::string&,
                                               const std::vector<std::string>& entries, int, bool) override {
        if (m_data.ConsumeBool()) return std::nullopt;
        sj::AskComboResult r;
        if (!entries.empty() && m_data.ConsumeBool()) {
            r.selectedIndex = m_data.ConsumeIntegralInRange<int>(0, static_cast<int>(entries.size()) - 1);
            r.text = entries[static_cast<std::size_t>(r.selectedIndex)];
        } else {
            r.text = m_data.ConsumeRandomLengthString(64);
        }
        return r;
    }

private:
    FuzzedDataProvider& m_data;
};

class FixedDates : public sj::DateFieldSource {
public:
    std::string format(std::string_view pattern) override { return "[" + std::string(pattern) + "]"; }
};

class FuzzedDocument : public sj::ExpansionDocument {
public:
    FuzzedDocument(std::string selection, std::string fileName, bool modified)
        : m_selection(std::move(selection)), m_fileName(std::move(fileName)), m_modified(modified) {}
    std::string selectedText() const override { return m_selection; }
    bool isReadOnly() const override { return false; }
    std::string fileName() const override { return m_fileName; }
    bool isModified() const override { return m_modified; }
    // Never touches the disk: a fuzzer must not litter.
    std::optional<std::string> makeTemporaryCopy() override { return std::nullopt; }

private:
    std::string m_selection, m_fileName;
    bool m_modified;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool interactive = input.ConsumeBool();
    const bool modified = input.ConsumeBool();
    std::string selection = input.ConsumeRandomLengthString(64);
    std::string fileName = input.ConsumeBool() ? "/home/u/notes.txt" : std::string();
    const std::string body = input.ConsumeRandomLengthString(4096);
    FuzzedPrompts prompts(input);
    FixedDates dates;
    FuzzedDocument document(std::move(selection), std::move(fileName), modified);
    sj::ClipExpander expander(prompts, dates);
    const sj::ExpansionResult result = expander.expand(body, &document, interactive);
    if (result.outcome == sj::ExpansionResult::Outcome::Paste && !result.edit.selectInserted)
        FUZZ_CHECK(result.edit.caretOffset <= result.edit.text.size());
    return 0;
}
