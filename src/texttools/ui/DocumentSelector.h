#pragma once
// `DocumentSelector`: the small stay-on-top window that lists every open
// document by title; choosing a title activates its tab.
#include <QWidget>

#include "widgets/ui/ListField.h"
#include "widgets/ui/PlacementWindow.h"

#include "texttools/DocumentSelectorList.h"

class QMenu;
class QAction;

namespace sj {

class AppHost;
class DocumentPage;

class DocumentSelector : public QWidget, public PlacementWindow {
    Q_OBJECT
public:
    explicit DocumentSelector(AppHost& host, QWidget* parent = nullptr);

    ListField* pageList;
    QMenu* popupMenu;
    QAction *closeDocumentAction, *eraseDocumentAction, *goToDocumentAction, *closeSelectorAction;

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
