#pragma once
// Tools > Text Statistics.
#include <memory>

#include "app/ui/CommandGroup.h"
#include "texttools/ui/UserCollator.h"

namespace sj {

class StatisticsDialog;

class StatCommandGroup : public CommandGroup {
    Q_OBJECT
public:
    explicit StatCommandGroup(AppHost& host);
    ~StatCommandGroup() override;
    void addToMenus(MenuSet& menus) override;

    void showTextStatistics();
    // Builds the dialog for the current page (widening its selection to whole words) without
    // showing it.
    std::unique_ptr<StatisticsDialog> makeDialog();

private:
    QAction *m_statistics, *m_statistics2;
    UserCollator m_collator;
};

}  // namespace sj
