#include "app/ui/HandOverQueue.h"

#include "app/ui/EditorApplication.h"

namespace sj {

namespace {
// Long enough not to spin inside a command's event loop, short enough that the
// user sees the files arrive as soon as it ends.
constexpr int kRetryMs = 50;
}  // namespace

HandOverQueue::HandOverQueue(Handler handler, std::function<bool()> busy, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)), m_busy(std::move(busy)) {
    if (!m_busy) m_busy = [] { return EditorApplication::eventDepth() > 1; };
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &HandOverQueue::drain);
}

void HandOverQueue::receive(const QString& workingDirectory, const QStringList& arguments) {
    m_pending.push_back({workingDirectory, arguments});
    drain();
}

void HandOverQueue::drain() {
    if (m_running) return;  // the loop below picks it up
    if (m_busy()) {
        if (!m_retry.isActive()) m_retry.start(kRetryMs);
        return;
    }
    m_running = true;
    while (!m_pending.empty()) {
        const HandOver next = m_pending.front();
        m_pending.pop_front();
        m_handler(next.workingDirectory, next.arguments);
    }
    m_running = false;
}

}  // namespace sj
