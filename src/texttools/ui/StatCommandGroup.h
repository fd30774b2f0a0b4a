#pragma once
// Tools > Text Statistics.
#include <memory>

#include "app/ui/CommandGroup.h"

namespace sj {

class LocaleCollator;
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
    const LocaleCollator& collator();
    QAction *m_statistics, *m_statistics2;
    std::unique_ptr<LocaleCollator> m_collator;
};

}  // namespace sj
