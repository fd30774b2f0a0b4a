#pragma once
// "S&end": the current document as a new message in the user's mail program.
#include "app/ui/CommandGroup.h"

namespace sj {

class MailCommands : public CommandGroup {
    Q_OBJECT
public:
    explicit MailCommands(AppHost& host);
    void addToMenus(MenuSet& menus) override;
    void updateEnabled() override;

    void sendDocument();

private:
    QAction* m_send;
};

}  // namespace sj
