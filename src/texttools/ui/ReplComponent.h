#pragma once
// `TEnhRepl`: the replace dialog component, the find component plus the
// replacement text, its history and the Replace buttons' events.
#include "texttools/ui/FindComponent.h"

namespace sj {

class ReplaceSettings;
class TfrmReplace;

class TEnhRepl : public TEnhFind {
    Q_OBJECT
public:
    TEnhRepl(ReplaceSettings& settings, QWidget* owner);

    TfrmReplace* replaceWindow() const;
    bool shownModally() const { return m_modal; }
    bool replacingAll() const { return m_replacingAll; }
    void setReplacingAll(bool on) { m_replacingAll = on; }
    void openModal() {
        m_modal = true;
        TEnhFind::openModal();
        m_modal = false;
    }

signals:
    void replaceCheck();
    void replace();
    void replaceAll();

protected:
    TfrmSearch* createWindow(QWidget* owner) override;
    void connectWindow(TfrmSearch* window) override;

private:
    ReplaceSettings& m_replaceSettings;
    bool m_modal = false;
    bool m_replacingAll = false;
};

}  // namespace sj
