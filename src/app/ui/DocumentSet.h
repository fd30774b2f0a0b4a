#pragma once
// The set of open documents: one page per tab, the current page, and every
// operation on the set (new, open, save, close, reload, rename, delete, the
// reopen list, the paste board and the modified-elsewhere check).
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "app/DocumentSetRules.h"
#include "config/ReopenList.h"
#include "document/ui/DocumentPage.h"

namespace sj {

class DocumentTabs;
class ProgressWindow;
struct Options;

struct OpenRequest {
    bool readOnly = false;
    bool oem = false;
    bool oemGiven = false;  // the open dialog decided the character set
};

class DocumentSet : public QObject {
    Q_OBJECT
public:
    DocumentSet(Options& options, DocumentTabs& tabs, QWidget* window);

    using OpenRequest = sj::OpenRequest;

    int count() const;
    DocumentPage* page(int index) const;
    DocumentPage* current() const;
    int currentIndex() const;
    void select(int index);

    DocumentPage* newPage(const std::string& fileName = {});
    // Opens (or re-activates) a file; wildcards open every match in order.
    bool openByName(const std::string& name, const OpenRequest& request = OpenRequest());
    bool emptyPage(DocumentPage* page);

    enum class Question { Continue, Cancel };
    Question saveQuestion(DocumentPage* page);
    bool save(DocumentPage* page);
    bool saveAs(DocumentPage* page);
    bool saveSelection(DocumentPage* page);
    void saveAll();
    bool closeCurrent();
    bool closeAll();
    bool reload(DocumentPage* page, bool ask);
    void renameCurrent();
    void deleteCurrent();
    void insertFile();
    void pasteNew();
    void togglePasteBoard();
    DocumentPage* pasteBoard() const { return m_pasteBoard; }
    void checkModifiedElsewhere();

    // Shut-down: asks about every modified page; false when the user cancelled.
    bool queryClose();
    QStringList openFileNames() const;

    DocumentPage* findByTitle(const std::string& title) const;
    // The page showing the file of name under this or another name (a link).
    DocumentPage* findShowing(const std::string& name) const;
    ReopenList& reopenList() { return m_reopen; }
    bool browseMode = false;
    bool openReadOnly = false;
    // The numbering and reuse state the set's decisions rest on.
    DocumentSetRules& rules() { return m_rules; }
    // Hooks the rest of the program attaches to.
    std::function<void(DocumentPage*)> pageClosing;                      // settings to the store
    std::function<void(DocumentPage*, const std::string&)> pageOpening;  // settings from the store
    std::function<bool(const std::string&)> isFavourite;
    // Save As of a clip library page asks through this instead (empty: cancelled).
    std::function<std::string(DocumentPage*)> librarySaveName;
    // After a page was written to its file (old and new full names).
    std::function<void(DocumentPage*, const std::string&, const std::string&)> pageSaved;
    // After a page's file was renamed on disk (old and new full names).
    std::function<void(DocumentPage*, const std::string&, const std::string&)> pageRenamed;

    void updateCaption(DocumentPage* page);
    void setStackedTabs(bool on);
    PageEnvironment environment();

signals:
    void currentChanged(DocumentPage* page);
    void titlesChanged();
    void reopenListChanged();
    void pageEdited(DocumentPage* page);

private:
    DocumentPage* createPage(const std::string& fileName);
    std::vector<std::string> titles() const;
    void attach(DocumentPage* page);
    void forgetPage(DocumentPage* page);
    bool loadInto(DocumentPage* page, const std::string& name, const OpenRequest& request, bool reused);
    bool openOne(const std::string& name, const OpenRequest& request);
    void applyWindowSettings(DocumentPage* page);
    QString filterList() const;
    bool runSaveDialog(DocumentPage* page, bool whole);
    void applyFileFormatOption(DocumentPage* page);
    // Asks before a save over the page's own file when another program has
    // changed it meanwhile; false when the save is not to go ahead.
    bool confirmOverwrite(DocumentPage* page, const std::string& target);
    void onClipboardChanged();

    Options& m_options;
    DocumentTabs& m_tabs;
    QWidget* m_window;
    ProgressWindow* m_progress;
    ReopenList m_reopen;
    DocumentSetRules m_rules;
    QPointer<DocumentPage> m_pasteBoard;
};

}  // namespace sj
