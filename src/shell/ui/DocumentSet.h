#pragma once
// The set of open documents: one page per tab, the current page, and every
// operation on the set (new, open, save, close, reload, rename, delete, the
// reopen list, the paste board and the modified-elsewhere check).
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>

#include "shell/ReopenList.h"
#include "shell/ui/FilePage.h"

namespace sj {

class TEnhTabControl;
class TfrmProcessInfo;
struct Options;

struct OpenRequest {
    bool readOnly = false;
    bool oem = false;
    bool oemGiven = false;  // the open dialog decided the character set
};

class DocumentSet : public QObject {
    Q_OBJECT
public:
    DocumentSet(Options& options, TEnhTabControl& tabs, QWidget* window);

    using OpenRequest = sj::OpenRequest;

    int count() const;
    TFilePage* page(int index) const;
    TFilePage* current() const;
    int currentIndex() const;
    void select(int index);

    TFilePage* newPage(const std::string& fileName = {});
    // Opens (or re-activates) a file; wildcards open every match in order.
    bool openByName(const std::string& name, const OpenRequest& request = OpenRequest());
    bool emptyPage(TFilePage* page);

    enum class Question { Continue, Cancel };
    Question saveQuestion(TFilePage* page);
    bool save(TFilePage* page);
    bool saveAs(TFilePage* page);
    bool saveSelection(TFilePage* page);
    void saveAll();
    bool closeCurrent();
    bool closeAll();
    bool reload(TFilePage* page, bool ask);
    void renameCurrent();
    void deleteCurrent();
    void insertFile();
    void pasteNew();
    void togglePasteBoard();
    TFilePage* pasteBoard() const { return m_pasteBoard; }
    void checkModifiedElsewhere();

    // Shut-down: asks about every modified page; false when the user cancelled.
    bool queryClose();
    QStringList openFileNames() const;

    TFilePage* findByTitle(const std::string& title) const;
    ReopenList& reopenList() { return m_reopen; }
    bool browseMode = false;
    bool openReadOnly = false;
    bool reusePristine = true;
    int untitledCounter = 0;
    // Hooks the rest of the program attaches to.
    std::function<void(TFilePage*)> pageClosing;  // settings to the store
    std::function<void(TFilePage*, const std::string&)> pageOpening;  // settings from the store
    std::function<bool(const std::string&)> isFavourite;
    // Save As of a clip library page asks through this instead (empty: cancelled).
    std::function<std::string(TFilePage*)> librarySaveName;
    // After a page was written to its file (old and new full names).
    std::function<void(TFilePage*, const std::string&, const std::string&)> pageSaved;
    // After a page's file was renamed on disk (old and new full names).
    std::function<void(TFilePage*, const std::string&, const std::string&)> pageRenamed;

    void updateCaption(TFilePage* page);
    PageEnvironment environment();

signals:
    void currentChanged(TFilePage* page);
    void titlesChanged();
    void reopenListChanged();
    void pageEdited(TFilePage* page);

private:
    TFilePage* createPage(const std::string& fileName);
    void attach(TFilePage* page);
    void forgetPage(TFilePage* page);
    bool loadInto(TFilePage* page, const std::string& name, const OpenRequest& request, bool reused);
    bool openOne(const std::string& name, const OpenRequest& request);
    void applyWindowSettings(TFilePage* page);
    QString filterList() const;
    bool runSaveDialog(TFilePage* page, bool whole);
    void onClipboardChanged();

    Options& m_options;
    TEnhTabControl& m_tabs;
    QWidget* m_window;
    TfrmProcessInfo* m_progress;
    ReopenList m_reopen;
    QPointer<TFilePage> m_pasteBoard;
};

}  // namespace sj
