#pragma once
// Titles of pages, untitled numbering and the names derived from a document's
// file name (backups, temporary copies, save suggestions).
#include <string>
#include <string_view>

namespace sj {

class DocumentNames {
public:
    // The file name; else "Untitled.<n>" once a number is assigned; else "[No Name]".
    static std::string title(std::string_view fileName, int untitledNumber);

    // The file name part for tabs. A page without a file draws the next number
    // from the window's counter the first time (counter + 1, stored back).
    static std::string shortTitle(std::string_view fileName, int& untitledNumber, int& counter);

    // Extension (without dot) of a temporary copy: the file's own, else the
    // given one, else the default extension.
    static std::string tempCopyExtension(std::string_view fileName, std::string_view given,
                                         std::string_view defaultExt);

    // Name suggested by Save As: the title; an untitled title becomes
    // "Untitled.<defaultExt>" (not for clip libraries); a name without a
    // directory is put into defaultSaveDir when that is set.
    static std::string saveSuggestion(std::string_view title, bool hasFileName, bool isClipLibrary,
                                      std::string_view defaultExt, std::string_view defaultSaveDir);

    static std::string alreadyOpenMessage(std::string_view name);
};

}  // namespace sj
