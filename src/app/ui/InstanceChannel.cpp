#include "app/ui/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStringList>
#include <QThread>

#include <unistd.h>

#include "app/InstanceMessage.h"
#include "app/PeerCredentials.h"

namespace sj {

namespace {

bool sameUser(const QLocalSocket& socket, unsigned userId) {
    return peerUserId(socket.socketDescriptor()) == std::optional<unsigned>(userId);
}

}  // namespace

InstanceChannel::InstanceChannel(QString directory, QObject* parent)
    : InstanceChannel(std::move(directory), static_cast<unsigned>(::getuid()), parent) {}

InstanceChannel::InstanceChannel(QString directory, unsigned userId, QObject* parent)
    : QObject(parent), m_directory(std::move(directory)), m_userId(userId) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) serve(s);
    });
}

QString InstanceChannel::socketPath() const {
    return QDir(m_directory).filePath(QStringLiteral("superjotleaf.sock"));
}

bool InstanceChannel::claim() {
    return m_lock.tryAcquire(QDir(m_directory).filePath(QStringLiteral("superjotleaf.lock")).toStdString());
}

InstanceChannel::Attempt InstanceChannel::tryOnce(const std::string& bytes, int timeoutMs, Peer& peer) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(timeoutMs)) return Attempt::NoListener;
    // Never hand file names to, nor take orders from, another user's listener.
    if (!sameUser(socket, m_userId)) return Attempt::Refused;
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket.flush();
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs)) return Attempt::Refused;
    char reply = 0;
    socket.getChar(&reply);
    peer = reply == InstanceMessage::kReplyMultiple ? Peer::AllowsMultiple : Peer::Handed;
    return Attempt::Answered;
}

InstanceChannel::Peer InstanceChannel::contactRunning(const std::string& workingDirectory,
                                                      const std::vector<std::string>& arguments,
                                                      int timeoutMs) {
    InstanceMessage message;
    message.workingDirectory = workingDirectory;
    message.arguments = arguments;
    const std::string bytes = message.encode();
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        Peer peer = Peer::None;
        const int left = static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
        switch (tryOnce(bytes, left, peer)) {
            case Attempt::Answered:
                return peer;
            case Attempt::Refused:
                return Peer::None;
            case Attempt::NoListener:
                break;
        }
        // Nobody listens: either the holder of the claim is still starting, or
        // there is no holder any more and this start may take its place.
        if (claim() || deadline.hasExpired()) return Peer::None;
        QThread::msleep(50);
    }
}

bool InstanceChannel::listen() {
    if (!m_lock.held()) return false;
    if (m_server.isListening()) return true;
    QLocalServer::removeServer(socketPath());
    return m_server.listen(socketPath());
}

void InstanceChannel::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!sameUser(*socket, m_userId)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto buffer = std::make_shared<std::string>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        const QByteArray chunk = socket->readAll();
        buffer->append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        std::string error;
        const auto size = InstanceMessage::frameSize(*buffer, &error);
        if (!error.empty()) {
            socket->abort();
            return;
        }
        if (!size || buffer->size() < *size) return;
        const auto message = InstanceMessage::decode(std::string_view(*buffer).substr(0, *size));
        buffer->clear();
        if (m_allowMultiple) {
            socket->putChar(InstanceMessage::kReplyMultiple);
            socket->flush();
            return;
        }
        socket->putChar(InstanceMessage::kReplyHandled);
        socket->flush();
        if (message && !message->arguments.empty()) {
            QStringList args;
            for (const std::string& a : message->arguments) args << QString::fromStdString(a);
            emit argumentsReceived(QString::fromStdString(message->workingDirectory), args);
        }
    });
}

}  // namespace sj
