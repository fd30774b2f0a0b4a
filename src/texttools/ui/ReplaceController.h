#pragma once
// `ReplaceController`: the replace dialog component, the find component plus the
// replacement text, its history and the Replace buttons' events.
#include "texttools/ui/FindController.h"

namespace sj {

class ReplaceSettings;
class ReplaceDialog;

class ReplaceController : public FindController {
    Q_OBJECT
public:
    ReplaceController(ReplaceSettings& settings, QWidget* owner);

    ReplaceDialog* replaceWindow() const;
    bool shownModally() const { return m_modal; }
    bool replacingAll() const { return m_replacingAll; }
    void setReplacingAll(bool on) { m_replacingAll = on; }
    void openModal() {
        m_modal = true;
        FindController::openModal();
        m_modal = false;
    }

signals:
    void replaceCheck();
    void replace();
    void replaceAll();

protected:
    FindDialog* createWindow(QWidget* owner) override;
    void connectWindow(FindDialog* window) override;

private:
    ReplaceSettings& m_replaceSettings;
    bool m_modal = false;
    bool m_replacingAll = false;
};

}  // namespace sj
