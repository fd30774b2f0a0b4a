#pragma once
// Single-instance hand-over over a per-user local socket. The running instance
// listens; a new start sends its working directory and arguments and learns
// whether they were taken over or several instances are allowed.
#include <QLocalServer>
#include <QObject>

#include <string>
#include <vector>

namespace sj {

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(QString name, QObject* parent = nullptr);

    enum class Peer { None, Handed, AllowsMultiple };
    Peer contactRunning(const std::string& workingDirectory, const std::vector<std::string>& arguments,
                        int timeoutMs = 10000);

    // Starts listening; a socket left behind by a crashed run is removed first.
    bool listen();
    void setAllowMultiple(bool on) { m_allowMultiple = on; }

signals:
    void argumentsReceived(const QString& workingDirectory, const QStringList& arguments);

private:
    void serve(class QLocalSocket* socket);
    QString m_name;
    QLocalServer m_server;
    bool m_allowMultiple = false;
};

}  // namespace sj
