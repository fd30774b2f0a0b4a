#pragma once
// What the document set decides without a window: the numbers of untitled
// pages, whether the next file goes into the empty first page, which tab
// follows a closed one, when Close All is done, and whether a rename may go
// ahead. The widget side gathers the facts (titles, files on disk) and shows
// the outcome.
#include <sys/types.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

class DocumentSetRules {
public:
    // --- Untitled numbering -------------------------------------------------
    // The last number an untitled title used; pages draw the next one from it.
    int& untitledCounter() { return m_untitledCounter; }
    int untitledCounter() const { return m_untitledCounter; }
    // Before a page is made or emptied: passes over every number whose
    // "Untitled.<n>" is already the file-name part of one of the titles.
    void skipTakenUntitledNumbers(const std::vector<std::string>& titles);

    // --- The empty first page -----------------------------------------------
    // Set at start-up and when closing leaves one empty page; cleared by any
    // open and by New.
    bool reuseEmptyPage() const { return m_reuseEmptyPage; }
    void setReuseEmptyPage(bool on) { m_reuseEmptyPage = on; }
    // Whether the next new or opened document goes into the current page
    // instead of a new tab.
    bool reusesCurrent(bool hasCurrent, bool currentPristine, bool currentHasFileName) const;
    // A file went into a page: the reuse ends; a file in the only page gives
    // back the number 1 its untitled page had drawn.
    void fileOpened(bool intoReusedPage, int pageCount);

    // --- Closing -------------------------------------------------------------
    enum class Closing { Nothing, Empty, Remove };
    // The only page is emptied rather than removed; an empty untitled only
    // page stays as it is.
    static Closing closing(int pageCount, bool hasFileName, bool pristine);
    // The tab selected before the closed one (at index) goes: the one to its
    // left, or the second when the first closes.
    static int tabAfterClosing(int index) { return index > 0 ? index - 1 : 1; }
    // Close All goes on until one empty untitled page is left.
    static bool allClosed(int pageCount, bool hasFileName, bool pristine);

    // --- The same file twice ---------------------------------------------------
    // A file as the file system knows it: its own name, a symbolic link to it
    // and a second hard link are all the same file.
    struct FileIdentity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    // Nothing when there is no such file (yet).
    static std::optional<FileIdentity> identityOf(const std::string& fileName);
    struct OpenFile {
        std::string title;
        std::optional<FileIdentity> identity;  // nothing for an untitled page or a file gone
    };
    // The page (index into pages) that already shows the file of name, found
    // by its identity, or by its title when either file is not on disk; -1
    // when none does. Saving one of two pages of the same file would silently
    // overwrite what the other saved, so a file is open in one page only.
    static int pageShowing(const std::vector<OpenFile>& pages, std::string_view name,
                           const std::optional<FileIdentity>& identity);

    // --- Rename --------------------------------------------------------------
    // The full name a rename answer asks for: the answer gets the old file's
    // extension (or defaultExtension for an untitled page) when it has no ".",
    // and lies in the old file's directory. Empty when the answer is empty.
    static std::string renameTarget(std::string_view oldFileName, std::string_view answer,
                                    std::string_view defaultExtension);
    static bool isValidRenameAnswer(std::string_view answer);

    enum class Rename { Unchanged, OpenInEditor, AlreadyExists, Go };
    // Names compare exactly, as the file system does: "A.txt" is another file
    // than "a.txt" unless both names lead to the same file (a file system
    // that ignores letter case), which is then only renamed.
    static Rename renameVerdict(std::string_view oldName, std::string_view newName, bool openInAnotherPage,
                                bool targetExists, bool targetIsTheSameFile);

private:
    int m_untitledCounter = 0;
    bool m_reuseEmptyPage = true;
};

}  // namespace sj
