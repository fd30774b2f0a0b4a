#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/InstanceMessage.h"
#include "app/ui/InstanceChannel.h"

using sj::InstanceChannel;

namespace {

// A socket file with nobody listening, as a crashed run leaves it.
void makeStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.toLocal8Bit().constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
}

}  // namespace

TEST(InstanceChannel, StaleSocketNeitherAnswersNorBlocksTheNextStart) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sj.sock"));
    makeStaleSocket(name);
    InstanceChannel starting(name);
    EXPECT_EQ(starting.contactRunning("/tmp", {"a.txt"}, 500), InstanceChannel::Peer::None);
    EXPECT_TRUE(starting.listen());
}

TEST(InstanceChannel, RunningInstanceTakesArgumentsOrAllowsAnotherRun) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sj.sock"));
    InstanceChannel running(name);
    ASSERT_TRUE(running.listen());
    QString receivedCwd;
    QStringList received;
    QObject::connect(&running, &InstanceChannel::argumentsReceived,
                     [&](const QString& cwd, const QStringList& args) {
                         receivedCwd = cwd;
                         received = args;
                     });

    // The second run talks from another thread, as another process would.
    auto ask = [&](std::vector<std::string> args) {
        InstanceChannel::Peer peer = InstanceChannel::Peer::None;
        QThread* t = QThread::create([&] {
            InstanceChannel second(name);
            peer = second.contactRunning("/home/u", args, 5000);
        });
        t->start();
        while (!t->isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        t->wait();
        delete t;
        return peer;
    };

    const std::string longName(300, 'x');  // whole, never cut at 255 characters
    EXPECT_EQ(ask({"a b.txt", "/R", longName}), InstanceChannel::Peer::Handed);
    QCoreApplication::processEvents();
    EXPECT_EQ(receivedCwd, QStringLiteral("/home/u"));
    EXPECT_EQ(received, (QStringList{"a b.txt", "/R", QString::fromStdString(longName)}));

    running.setAllowMultiple(true);
    received.clear();
    EXPECT_EQ(ask({"c.txt"}), InstanceChannel::Peer::AllowsMultiple);
    EXPECT_TRUE(received.isEmpty());
}
