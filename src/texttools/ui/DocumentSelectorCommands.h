#pragma once
// Tools menu: the Document Selector (F6) and Auto Scroll.
#include <QPointer>

#include "app/ui/CommandGroup.h"
#include "texttools/ui/DocumentSelector.h"

namespace sj {

class DocumentSelectorCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit DocumentSelectorCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void showDocumentSelector();
    void showAutoScroll();
    DocumentSelector* selector() const { return m_selector; }

    QAction *documentSelectorAction, *m_autoScroll;

private:
    QPointer<DocumentSelector> m_selector;
};

}  // namespace sj
