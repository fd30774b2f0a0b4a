#include "texttools/ui/StatProgressWindow.h"

#include <QString>

#include "widgets/ui/ProgressWindow.h"

namespace sj {

StatProgressWindow::StatProgressWindow(QWidget* parent) : m_parent(parent) {}

StatProgressWindow::~StatProgressWindow() {
    delete m_window;
}

void StatProgressWindow::open(std::string_view message, std::size_t maximum) {
    if (!m_window) {
        m_window = new ProgressWindow(m_parent);
        m_window->setObjectName(QStringLiteral("StatisticsProgress"));
    }
    m_window->open(QString(), QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), 0,
                   static_cast<qint64>(maximum));
}

bool StatProgressWindow::step(std::size_t position) {
    if (!m_window) return true;
    m_window->stepTo(static_cast<qint64>(position));
    return !m_window->cancelled();
}

void StatProgressWindow::close() {
    if (m_window) m_window->close();
}

}  // namespace sj
