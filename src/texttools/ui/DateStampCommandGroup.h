#pragma once
// Document > Insert Date/Time and Insert Page Break.
#include "app/ui/CommandGroup.h"

namespace sj {

class DateStampCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit DateStampCommandGroup(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void SBPasteTimeClick();
    void insertFormFeed();

private:
    QAction *m_insertDate, *m_insertDate2, *m_pageBreak;
};

}  // namespace sj
