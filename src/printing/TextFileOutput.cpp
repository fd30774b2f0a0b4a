#include "printing/TextFileOutput.h"

#include "files/FileUtils.h"
#include "files/SafeFileWriter.h"

namespace sj {

bool TextFileOutput::outputPage(const LaidOutPage& page, const PageContent&) {
    if (m_anyPage) m_text += "\f\r\n";
    m_anyPage = true;
    for (const std::string& line : page.lines) {
        m_text += line;
        m_text += "\r\n";
    }
    return true;
}

bool TextFileOutput::finish(bool cancelled) {
    if (cancelled) return true;
    const SafeWriteResult written = SafeFileWriter::write(m_path, m_text);
    if (written.ok) return true;
    m_error = "Error: unable to write the print file \"" + m_path +
              "\": " + SafeFileWriter::describeError(written.error);
    return false;
}

std::string TextFileOutput::resolvePath(const std::string& printFile, const std::string& dataDirectory) {
    const std::string name = printFile.empty() ? std::string("Print.txt") : printFile;
    if (name.find('/') != std::string::npos) return name;
    return fileutils::join(dataDirectory, name);
}

}  // namespace sj
