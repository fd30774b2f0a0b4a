#include "texttools/ui/FindController.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "texttools/FindSettings.h"
#include "texttools/ui/FindDialog.h"
#include "texttools/ui/SearchTokenCombo.h"

namespace sj {

FindController::FindController(FindSettings& settings, QWidget* owner)
    : m_settings(settings), m_owner(owner) {}

FindController::~FindController() {
    delete m_window.data();
}

FindDialog* FindController::createWindow(QWidget* owner) {
    return new FindDialog(m_settings.canSearchAll, owner);
}

void FindController::connectWindow(FindDialog* w) {
    connect(w, &FindDialog::findRequested, this, [this] {
        storeFromWindow();
        emit find();
    });
    connect(w, &FindDialog::gotoStartRequested, this, &FindController::gotoStart);
}

void FindController::storeFromWindow() {
    if (!m_window) return;
    m_window->storeTo(m_settings);
    // What was searched for is what Esc goes back to from now on.
    m_window->commitFields();
    QStringList history;
    for (const std::string& item : m_settings.findList.items()) history << QString::fromStdString(item);
    m_window->cmbFind->setHistory(history);
}

void FindController::open(bool modal) {
    if (m_window) {
        m_window->setSearchToken(QString::fromStdString(m_settings.searchToken()));
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        m_window->focusFindNext();
        return;
    }
    m_window = createWindow(m_owner);
    m_window->loadFrom(m_settings);
    connectWindow(m_window);
    connect(m_window, &QDialog::finished, this, [this] { windowFinished(); });
    m_window->adjustSize();
    if (QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen())
        m_window->move(screen->availableGeometry().center() - m_window->rect().center());
    m_window->focusFindNext();
    if (modal) {
        m_window->exec();
    } else {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
}

void FindController::openModeless() {
    open(false);
}

void FindController::openModal() {
    open(true);
}

void FindController::focusFindNext() {
    if (!m_window) return;
    m_window->activateWindow();
    m_window->focusFindNext();
}

void FindController::close() {
    if (m_window) m_window->reject();
}

void FindController::windowFinished() {
    FindDialog* w = m_window;
    if (!w) return;
    storeFromWindow();
    m_window = nullptr;
    w->hide();
    w->deleteLater();
    emit closed();
}

void FindController::setSearchToken(const std::string& token) {
    m_settings.setSearchToken(token);
    if (m_window) m_window->setSearchToken(QString::fromStdString(token));
}

}  // namespace sj
