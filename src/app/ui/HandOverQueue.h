#pragma once
// Command lines handed over by later starts wait here until the command that
// is running has finished. Carried out inside that command's own event loop,
// a hand-over would work on a document set the command is still changing (a
// load reusing the first page would overwrite the file handed over).
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace sj {

class HandOverQueue : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& workingDirectory, const QStringList& arguments)>;
    // busy tells whether a command is still running; by default, whether event
    // delivery is nested (EditorApplication::eventDepth).
    explicit HandOverQueue(Handler handler, std::function<bool()> busy = {}, QObject* parent = nullptr);

    void receive(const QString& workingDirectory, const QStringList& arguments);
    std::size_t pending() const { return m_pending.size(); }

private:
    void drain();

    struct HandOver {
        QString workingDirectory;
        QStringList arguments;
    };
    Handler m_handler;
    std::function<bool()> m_busy;
    std::deque<HandOver> m_pending;
    QTimer m_retry;
    bool m_running = false;
};

}  // namespace sj
