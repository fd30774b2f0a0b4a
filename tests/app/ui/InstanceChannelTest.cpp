// The hand-over between starts: a crashed run's socket, arguments travelling
// whole, two starts at the same moment, and peers of another user.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>

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

unsigned me() {
    return static_cast<unsigned>(::getuid());
}

// A later start talks from another thread, as another process would, while
// this thread serves the running instance's events.
template <typename F>
InstanceChannel::Peer fromAnotherStart(F contact) {
    std::atomic<InstanceChannel::Peer> peer = InstanceChannel::Peer::None;
    QThread* t = QThread::create([&] { peer = contact(); });
    t->start();
    while (!t->isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    t->wait();
    return peer;
}

}  // namespace

TEST(InstanceChannel, StaleSocketNeitherAnswersNorBlocksTheNextStart) {
    QTemporaryDir dir;
    InstanceChannel starting(dir.path());
    makeStaleSocket(starting.socketPath());
    ASSERT_TRUE(starting.claim()) << "nobody runs, so the claim is free";
    EXPECT_TRUE(starting.listen());
}

TEST(InstanceChannel, RunningInstanceTakesArgumentsOrAllowsAnotherRun) {
    QTemporaryDir dir;
    InstanceChannel running(dir.path());
    ASSERT_TRUE(running.claim());
    ASSERT_TRUE(running.listen());
    QString receivedCwd;
    QStringList received;
    QObject::connect(&running, &InstanceChannel::argumentsReceived,
                     [&](const QString& cwd, const QStringList& args) {
                         receivedCwd = cwd;
                         received = args;
                     });
    auto ask = [&](std::vector<std::string> args) {
        return fromAnotherStart([&] {
            InstanceChannel second(dir.path());
            EXPECT_FALSE(second.claim());
            return second.contactRunning("/home/u", args, 5000);
        });
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

TEST(InstanceChannel, OfTwoStartsAtTheSameMomentOnlyOneListensAndTheOtherHandsItsFilesOver) {
    QTemporaryDir dir;
    InstanceChannel first(dir.path());
    InstanceChannel second(dir.path());
    const bool firstWon = first.claim();
    const bool secondWon = second.claim();
    ASSERT_NE(firstWon, secondWon) << "exactly one start may become the running instance";
    InstanceChannel& winner = firstWon ? first : second;
    InstanceChannel& loser = firstWon ? second : first;
    EXPECT_FALSE(loser.listen()) << "the loser must not take the socket from under the winner";

    QStringList received;
    QObject::connect(&winner, &InstanceChannel::argumentsReceived,
                     [&](const QString&, const QStringList& args) { received = args; });
    // The winner is still creating its window when the loser asks: the loser
    // waits for it rather than giving up or starting a second editor.
    std::atomic<InstanceChannel::Peer> handed = InstanceChannel::Peer::None;
    QThread* asker = QThread::create([&] {
        InstanceChannel late(dir.path());
        handed = late.contactRunning("/w", {"mine.txt"}, 5000);
    });
    asker->start();
    QThread::msleep(300);  // the loser finds nobody listening yet
    ASSERT_TRUE(winner.listen());
    while (!asker->isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    asker->wait();
    delete asker;
    EXPECT_EQ(handed, InstanceChannel::Peer::Handed);
    QCoreApplication::processEvents();
    EXPECT_EQ(received, QStringList{"mine.txt"});
}

TEST(InstanceChannel, NeitherEndTalksToAnotherUser) {
    QTemporaryDir dir;
    InstanceChannel running(dir.path());
    ASSERT_TRUE(running.claim());
    ASSERT_TRUE(running.listen());
    int received = 0;
    QObject::connect(&running, &InstanceChannel::argumentsReceived,
                     [&](const QString&, const QStringList&) { ++received; });

    // A start that expects another user at the other end (as a victim would,
    // finding a socket that an intruder made) sends nothing and runs on.
    EXPECT_EQ(fromAnotherStart([&] {
                  InstanceChannel victim(dir.path(), me() + 1);
                  return victim.contactRunning("/w", {"secret.txt"}, 2000);
              }),
              InstanceChannel::Peer::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(received, 0);

    // And a listener takes no orders from a sender of another user.
    QTemporaryDir otherDir;
    InstanceChannel guarded(otherDir.path(), me() + 1);
    ASSERT_TRUE(guarded.claim());
    ASSERT_TRUE(guarded.listen());
    QObject::connect(&guarded, &InstanceChannel::argumentsReceived,
                     [&](const QString&, const QStringList&) { ++received; });
    EXPECT_EQ(fromAnotherStart([&] {
                  InstanceChannel intruder(otherDir.path());
                  return intruder.contactRunning("/w", {"/E"}, 2000);
              }),
              InstanceChannel::Peer::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(received, 0);
}
