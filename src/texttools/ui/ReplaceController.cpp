#include "texttools/ui/ReplaceController.h"

#include "texttools/ReplaceSettings.h"
#include "texttools/ui/ReplaceDialog.h"
#include "texttools/ui/SearchTokenCombo.h"

namespace sj {

ReplaceController::ReplaceController(ReplaceSettings& settings, QWidget* owner)
    : FindController(settings, owner), m_replaceSettings(settings) {}

ReplaceDialog* ReplaceController::replaceWindow() const {
    return static_cast<ReplaceDialog*>(window());
}

FindDialog* ReplaceController::createWindow(QWidget* owner) {
    return new ReplaceDialog(m_replaceSettings.canSearchAll, owner);
}

void ReplaceController::connectWindow(FindDialog* w) {
    FindController::connectWindow(w);
    auto* r = static_cast<ReplaceDialog*>(w);
    auto storeAll = [this, r] {
        storeFromWindow();
        QStringList history;
        for (const std::string& item : m_replaceSettings.replaceList.items())
            history << QString::fromStdString(item);
        r->cmbReplace->setHistory(history);
    };
    connect(r, &ReplaceDialog::replaceRequested, this, [this, storeAll] {
        storeAll();
        emit replace();
    });
    connect(r, &ReplaceDialog::replaceAllRequested, this, [this, storeAll] {
        storeAll();
        emit replaceAll();
    });
    connect(r, &ReplaceDialog::replaceCheckRequested, this, &ReplaceController::replaceCheck);
}

}  // namespace sj
