#pragma once
// Single-instance hand-over over a local socket in the user's private
// directory. Exactly one start claims the right to run (a lock in that
// directory) and listens; any other start sends its working directory and
// arguments there and learns whether they were taken over or several
// instances are allowed. Both ends talk only to a peer of the same user.
#include <QLocalServer>
#include <QObject>

#include <string>
#include <vector>

#include "app/InstanceLock.h"

namespace sj {

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // directory must already be private to the user (PrivateDirectory::ensure);
    // userId is the only user the channel accepts at the other end.
    explicit InstanceChannel(QString directory, unsigned userId, QObject* parent = nullptr);
    explicit InstanceChannel(QString directory, QObject* parent = nullptr);

    // True for exactly one of several starts, however close together.
    bool claim();
    bool claimed() const { return m_lock.held(); }

    enum class Peer { None, Handed, AllowsMultiple };
    // Hands the arguments to the running instance. While that instance is still
    // starting (it holds the claim but does not listen yet) this waits for it,
    // at most timeoutMs. None when nobody took them: then either this start
    // holds the claim now (the other one ended) or the other one did not answer.
    Peer contactRunning(const std::string& workingDirectory, const std::vector<std::string>& arguments,
                        int timeoutMs = 10000);

    // Starts listening; only the holder of the claim may. A socket left behind
    // by a crashed run is removed first: the claim proves nobody serves it.
    bool listen();
    void setAllowMultiple(bool on) { m_allowMultiple = on; }

    QString socketPath() const;

signals:
    void argumentsReceived(const QString& workingDirectory, const QStringList& arguments);

private:
    enum class Attempt { NoListener, Refused, Answered };
    Attempt tryOnce(const std::string& bytes, int timeoutMs, Peer& peer);
    void serve(class QLocalSocket* socket);

    QString m_directory;
    unsigned m_userId;
    InstanceLock m_lock;
    QLocalServer m_server;
    bool m_allowMultiple = false;
};

}  // namespace sj
