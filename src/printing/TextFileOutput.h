#pragma once
// Print to file: the chosen pages as plain text, each line ending in CR LF and
// a line holding a form feed between pages. The file is written whole at the
// end, through a temporary file renamed over the target, so a cancelled or
// failed job leaves any earlier file as it was.
#include <string>

#include "printing/PageOutput.h"

namespace sj {

class TextFileOutput : public PageOutput {
public:
    explicit TextFileOutput(std::string path) : m_path(std::move(path)) {}

    bool outputPage(const LaidOutPage& page, const PageContent& content) override;
    bool finish(bool cancelled) override;
    std::string error() const override { return m_error; }

    const std::string& text() const { return m_text; }

    // PrintFile, or "Print.txt" when empty; a bare name lies in dataDirectory.
    static std::string resolvePath(const std::string& printFile, const std::string& dataDirectory);

private:
    std::string m_path;
    std::string m_text;
    std::string m_error;
    bool m_anyPage = false;
};

}  // namespace sj
