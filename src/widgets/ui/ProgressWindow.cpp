#include "widgets/ui/ProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace sj {

bool ProgressWindow::s_cancelled = false;

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    // The caller goes on working while the window shows, but nothing else may
    // take input meanwhile: closing a page or typing into it halfway through a
    // load would pull the text from under the running operation.
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_message = new QLabel(this);
    m_gauge = new QProgressBar(this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setToolTip(QStringLiteral("Cancel current operation"));
    m_cancel->setStatusTip(QStringLiteral("Cancel current operation"));
    connect(m_cancel, &QPushButton::clicked, this, &ProgressWindow::reject);
    layout->addWidget(m_message);
    layout->addWidget(m_gauge);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
}

void ProgressWindow::open(const QString& caption, const QString& message, qint64 minimum, qint64 maximum) {
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Processing Data...") : caption);
    m_message->setText(message);
    m_min = minimum;
    m_max = std::max(minimum, maximum);
    // The gauge holds int: large ranges (file sizes) are scaled down.
    m_scale = 1;
    while ((m_max - m_min) / m_scale > 1'000'000) m_scale *= 2;
    m_gauge->setRange(0, static_cast<int>((m_max - m_min) / m_scale));
    m_gauge->setValue(0);
    m_pos = m_min;
    m_cancel->setEnabled(true);
    s_cancelled = false;
    m_open = true;
    show();
    raise();
    serve();
}

void ProgressWindow::step() {
    stepTo(m_pos + 1);
}

void ProgressWindow::stepTo(qint64 position) {
    if (!m_open || s_cancelled) return;
    m_pos = std::clamp(position, m_min, m_max);
    m_gauge->setValue(static_cast<int>((m_pos - m_min) / m_scale));
    serve();
}

void ProgressWindow::finish() {
    m_gauge->setValue(m_gauge->maximum());
    m_cancel->setEnabled(false);
    serve();
}

void ProgressWindow::close() {
    m_open = false;
    hide();
}

void ProgressWindow::reject() {
    s_cancelled = true;
    m_cancel->setEnabled(false);
}

void ProgressWindow::serve() {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace sj
