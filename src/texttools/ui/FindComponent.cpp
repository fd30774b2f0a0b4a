#include "texttools/ui/FindComponent.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "texttools/FindSettings.h"
#include "texttools/ui/SearchDialog.h"
#include "texttools/ui/SearchTokenCombo.h"

namespace sj {

TEnhFind::TEnhFind(FindSettings& settings, QWidget* owner) : m_settings(settings), m_owner(owner) {}

TEnhFind::~TEnhFind() {
    delete m_window.data();
}

TfrmSearch* TEnhFind::createWindow(QWidget* owner) {
    return new TfrmSearch(m_settings.canSearchAll, owner);
}

void TEnhFind::connectWindow(TfrmSearch* w) {
    connect(w, &TfrmSearch::findRequested, this, [this] {
        storeFromWindow();
        emit find();
    });
    connect(w, &TfrmSearch::gotoStartRequested, this, &TEnhFind::gotoStart);
}

void TEnhFind::storeFromWindow() {
    if (!m_window) return;
    m_window->storeTo(m_settings);
    QStringList history;
    for (const std::string& item : m_settings.findList.items()) history << QString::fromStdString(item);
    m_window->cmbFind->setHistory(history);
}

void TEnhFind::open(bool modal) {
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

void TEnhFind::openModeless() {
    open(false);
}

void TEnhFind::openModal() {
    open(true);
}

void TEnhFind::focusFindNext() {
    if (!m_window) return;
    m_window->activateWindow();
    m_window->focusFindNext();
}

void TEnhFind::close() {
    if (m_window) m_window->reject();
}

void TEnhFind::windowFinished() {
    TfrmSearch* w = m_window;
    if (!w) return;
    storeFromWindow();
    m_window = nullptr;
    w->hide();
    w->deleteLater();
    emit closed();
}

void TEnhFind::setSearchToken(const std::string& token) {
    m_settings.setSearchToken(token);
    if (m_window) m_window->setSearchToken(QString::fromStdString(token));
}

}  // namespace sj
