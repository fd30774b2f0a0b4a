#pragma once
// The library chooser: the libraries of the library directory, the current
// library (HotTemplate) and the commands that create, rename, delete, save and
// switch libraries. A modified library is saved without a question whenever
// the user moves on to another one.
#include <string>
#include <string_view>
#include <vector>

#include "clipbook/ClipLibrary.h"
#include "clipbook/ClipbookHost.h"

namespace sj {

class ClipLibraryDirectory {
public:
    ClipLibraryDirectory(ClipLibrary& list, ClipbookHost& host) : m_list(list), m_host(host) {}

    // Library names, ascending without regard to case.
    const std::vector<std::string>& names() const { return m_names; }
    const std::string& hotTemplate() const { return m_hotTemplate; }
    bool hasCurrent() const { return !m_hotTemplate.empty(); }
    const std::string& templateDir() const { return m_templateDir; }
    int currentIndex() const;

    std::string fileOf(std::string_view name) const;
    // A file (full name) in the library directory; a bare name counts as in it.
    bool isInDirectory(const std::string& file) const;
    // A file (full name) that is the current library's.
    bool isCurrentFile(const std::string& file) const;

    // Sets the library directory and lists it; then chooses initialName when it is listed.
    void open(const std::string& templateDir, const std::string& initialName);
    void setTemplateDir(const std::string& templateDir);

    // Update List: reads the directory again. A current library whose file is
    // gone stops being current; the item list keeps its items.
    void updateList();

    // A library file was renamed (full names). When it was the current library
    // the new name becomes current without reading or writing anything; the
    // directory is listed again in any case. True when the list or the current
    // name may have changed.
    bool followRename(const std::string& oldFile, const std::string& newFile);

    // Makes a listed library current, saving a modified one first. False when
    // the name is not listed or the save failed (the old library stays current).
    bool choose(const std::string& name);
    bool chooseIndex(std::size_t index);

    // Reads the current library's file into the item list (an empty new library
    // when there is no current library or no file).
    bool loadCurrent();

    // Writes the current library. With commitTypedText, a chooser text that
    // differs from the current name is handled as a typed name first. Without a
    // current library the name is asked; when none is given nothing is written.
    bool saveCurrent(bool commitTypedText = false, const std::string& typedText = {});

    // A name typed into the chooser: a listed name (ignoring case) is chosen,
    // another one is created after the question.
    bool commitTypedName(const std::string& typedText);

    bool newTemplate();
    bool renameTemplate();
    bool deleteTemplate();
    bool undoAllChanges();

private:
    void listDirectory();
    int indexOf(std::string_view name) const;
    int indexIgnoringCase(std::string_view name) const;
    void addName(const std::string& name);
    bool validTypedName(const std::string& name, bool forSaveDialog);

    ClipLibrary& m_list;
    ClipbookHost& m_host;
    std::string m_templateDir;
    std::vector<std::string> m_names;
    std::string m_hotTemplate;
};

}  // namespace sj
