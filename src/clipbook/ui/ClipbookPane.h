#pragma once
#include <QRect>
// `ClipbookPane`: the Clipbook pane, a library chooser above the item list
// of the current library. It lives in its floating window `ClipbookDock`,
// which the main window docks on its left or right side on request.
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "clipbook/ClipLibrary.h"
#include "clipbook/ClipLibraryDirectory.h"
#include "clipbook/ClipbookPlacement.h"
#include "clipbook/ui/ClipListView.h"
#include "clipbook/ui/ClipbookDock.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "document/ui/DocumentPage.h"
#include "widgets/ui/QtStrings.h"

class QAction;
class QComboBox;
class QMainWindow;
class QMenu;

namespace sj {

class ClipPaster;
class DocumentPage;

// The clipboard format holding the title of a copied item (8-bit text and a NUL).
inline constexpr const char* kClipboardFormat = "application/x-cf-clipbook";

class ClipbookPane : public QWidget {
    Q_OBJECT
public:
    ClipbookPane(QMainWindow* main, ClipPaster& paster);
    ~ClipbookPane() override;

    ClipbookDock* ownerForm() const { return m_form; }
    // Where the floating window stood last time; used on its first float.
    QRect storedFloatGeometry;
    ClipLibrary& list() { return m_list; }
    ClipLibraryDirectory& templates() { return m_templates; }
    ClipListView* listView() const { return m_listView; }
    QComboBox* chooser() const { return m_chooser; }

    // MemoControl: the current document, followed by the main window.
    void setMemoControl(DocumentPage* page);
    DocumentPage* memoControl() const { return m_memo; }

    ClipbookPlacement clipPanelPos() const { return m_pos; }
    void setClipPanelPos(ClipbookPlacement pos);
    int clipPanelWidth() const;
    void setClipPanelWidth(int width) { m_width = width; }
    bool defaultFont() const { return m_defaultFont; }
    void setDefaultFontFlag(bool on) { m_defaultFont = on; }
    QFont listFont() const;
    void setListFont(const QFont& font);
    // Colours and font after the placement or the current document changed.
    void applyDocumentLook();

    // Opens the libraries of dir and chooses name when listed.
    void openTemplates(const std::string& dir, const std::string& name);
    void refreshChooser();
    void refreshItems(int select = -2);
    int selectedIndex() const;
    void selectItem(int index);
    // Alt+digit: the n-th library (1-based); false (after a beep) when there are fewer.
    bool chooseByNumber(int n);

    bool isHiddenPane() const;
    void showPane();
    void hideClipbook();
    // Close Clipbook: settings collected, library saved, window destroyed.
    void closeClipbook();
    // Shut-down: like close, but without giving focus around.
    void shutDown();

    // The commands of the item list's shortcut menu.
    void pasteSelected();
    void addFromDocument();
    void addText(const std::string& title, const std::string& body);
    void copyToClipboard();
    void addFromClipboard();
    void editItem(bool newItem);
    void removeItem();
    void toggleSorted();
    void saveNow();
    void undoAllChanges();
    void chooseFont();
    void toggleDefaultFont();
    void moveItem(int from, int to);
    void pasteAt(int index, DocumentPage* page, bool interactive);

    bool clipboardHasText() const;
    QMenu* listMenu() const { return m_listMenu; }
    QMenu* templatesMenu() const { return m_templatesMenu; }
    void updateListMenu();
    void updateTemplatesMenu();
    QAction* pasteAction() const { return m_aPaste; }

    // True while the pane changes its place: focus moves then are not the user's.
    bool isDocking() const { return m_docking; }

    // After a library file was renamed on disk: when it was the current
    // library, the pane follows the new name without reading or writing files.
    void libraryRenamed(const std::string& oldName, const std::string& newName);

    std::function<void()> onClose;
    std::function<void()> onViewChanged;
    std::function<void()> onLibraryChanged;
    // The docked width after the user dragged the bar beside the pane.
    std::function<void(int)> onWidthChanged;
    // Raised before an item is pasted, with the item as it will be pasted.
    std::function<void(const ClipItem&)> onPaste;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void chooserActivated(int index);
    void commitTypedText();
    bool documentDragEvent(QWidget* viewport, QEvent* e);
    void afterChoose();

    QMainWindow* m_main;
    ClipPaster& m_paster;
    DialogClipbookHost m_host;
    ClipLibrary m_list;
    ClipLibraryDirectory m_templates;
    QComboBox* m_chooser;
    ClipListView* m_listView;
    ClipbookDock* m_form;
    QPointer<DocumentPage> m_memo;
    QPointer<QWidget> m_memoViewport;
    QPointer<QWidget> m_memoWatched;  // the page, for its font and colour changes
    ClipbookPlacement m_pos = cpFloatForm;
    int m_width = 0;
    bool m_defaultFont = true;
    bool m_floatPlaced = false;
    bool m_placed = false;  // shown in some placement at least once
    bool m_closing = false;
    bool m_docking = false;
    bool m_editorWordWrap = true;  // the item editor's, kept while the program runs
    QMenu* m_listMenu;
    QMenu* m_templatesMenu;
    QAction *m_aPaste, *m_aAddDoc, *m_aCopy, *m_aAddClip, *m_aEdit, *m_aNew, *m_aRemove, *m_aSorted, *m_aSave,
        *m_aUndo, *m_aHide, *m_aClose, *m_aFloat, *m_aLeft, *m_aRight, *m_aFont, *m_aDefaultFont;
    QAction *m_aRename, *m_aDelete;
};

}  // namespace sj
