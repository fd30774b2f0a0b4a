#pragma once
// Which file a name written in a document means: a relative name lies in the
// document's directory, and a name without extension may mean the default one.
#include <functional>
#include <string>
#include <string_view>

namespace sj {

class FileAtCaret {
public:
    using ExistsFn = std::function<bool(const std::string&)>;

    // documentFile: the document's file name ("" when untitled);
    // defaultExt: without its dot.
    FileAtCaret(std::string documentFile, std::string defaultExt, ExistsFn exists);

    // The full name a written name stands for, and whether that file exists.
    struct Resolved {
        std::string name;
        bool exists = false;
    };
    Resolved resolve(std::string_view written) const;

    // A name typed into the question when the file was not found: a bare name
    // takes the document's directory.
    std::string completeTyped(std::string_view typed) const;

private:
    std::string inDocumentDirectory(std::string_view name) const;

    std::string m_documentDir;
    std::string m_defaultExt;
    ExistsFn m_exists;
};

}  // namespace sj
