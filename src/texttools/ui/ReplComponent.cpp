#include "texttools/ui/ReplComponent.h"

#include "texttools/ReplaceSettings.h"
#include "texttools/ui/ReplDialog.h"
#include "texttools/ui/SearchTokenCombo.h"

namespace sj {

TEnhRepl::TEnhRepl(ReplaceSettings& settings, QWidget* owner)
    : TEnhFind(settings, owner), m_replaceSettings(settings) {}

TfrmReplace* TEnhRepl::replaceWindow() const {
    return static_cast<TfrmReplace*>(window());
}

TfrmSearch* TEnhRepl::createWindow(QWidget* owner) {
    return new TfrmReplace(m_replaceSettings.canSearchAll, owner);
}

void TEnhRepl::connectWindow(TfrmSearch* w) {
    TEnhFind::connectWindow(w);
    auto* r = static_cast<TfrmReplace*>(w);
    auto storeAll = [this, r] {
        storeFromWindow();
        QStringList history;
        for (const std::string& item : m_replaceSettings.replaceList.items())
            history << QString::fromStdString(item);
        r->cmbReplace->setHistory(history);
    };
    connect(r, &TfrmReplace::replaceRequested, this, [this, storeAll] {
        storeAll();
        emit replace();
    });
    connect(r, &TfrmReplace::replaceAllRequested, this, [this, storeAll] {
        storeAll();
        emit replaceAll();
    });
    connect(r, &TfrmReplace::replaceCheckRequested, this, &TEnhRepl::replaceCheck);
}

}  // namespace sj
