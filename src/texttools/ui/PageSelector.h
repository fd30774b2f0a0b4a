#pragma once
// `TfrmPageSelector`: the small stay-on-top window that lists every open
// document by title; choosing a title activates its tab.
#include <QWidget>

#include "shell/ui/KixListbox.h"
#include "shell/ui/ProForm.h"

#include "texttools/DocumentSelectorList.h"

class QMenu;
class QAction;

namespace sj {

class AppHost;
class TFilePage;

class TfrmPageSelector : public QWidget, public TProForm {
    Q_OBJECT
public:
    explicit TfrmPageSelector(AppHost& host, QWidget* parent = nullptr);

    TKixListbox* lbxPageNames;
    QMenu* popupMenu;
    QAction *CloseDocument1, *EraseDocument1, *GotoDocument1, *CloseSelectorWindow1;

    // Refills the list from the document set and selects the current title.
    void reload();
    void selectCurrent();

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void rowChosen(int row);
    void showPopup(const QPoint& global);
    void focusEditor();

    AppHost& m_host;
    DocumentSelectorList m_list;
    bool m_guard = false;
};

}  // namespace sj
