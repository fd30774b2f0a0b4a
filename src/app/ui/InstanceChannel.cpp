#include "app/ui/InstanceChannel.h"

#include <QLocalSocket>
#include <QStringList>

#include "app/InstanceMessage.h"

namespace sj {

InstanceChannel::InstanceChannel(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) serve(s);
    });
}

InstanceChannel::Peer InstanceChannel::contactRunning(const std::string& workingDirectory,
                                                      const std::vector<std::string>& arguments,
                                                      int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs)) return Peer::None;
    InstanceMessage message;
    message.workingDirectory = workingDirectory;
    message.arguments = arguments;
    const std::string bytes = message.encode();
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket.flush();
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs)) return Peer::None;
    char reply = 0;
    socket.getChar(&reply);
    return reply == InstanceMessage::kReplyMultiple ? Peer::AllowsMultiple : Peer::Handed;
}

bool InstanceChannel::listen() {
    if (m_server.listen(m_name)) return true;
    // contactRunning() found nobody answering, so the socket is a crashed run's.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void InstanceChannel::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
