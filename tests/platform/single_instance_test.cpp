// One device per settings file: lock, hand-over to the running device, and what a crash leaves behind.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <future>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/qt/single_instance.h"

namespace tap::qt {
namespace {

using namespace std::chrono_literals;
using Outcome = SingleInstance::Outcome;

// A later start runs its hand-over on another thread while this one serves the first, as two processes
// would.
Outcome beginWhileServing(SingleInstance& later, std::chrono::milliseconds patience) {
    auto outcome = std::async(std::launch::async, [&] { return later.begin(patience); });
    while (outcome.wait_for(1ms) != std::future_status::ready) QCoreApplication::processEvents();
    return outcome.get();
}

class SingleInstanceTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(SingleInstanceTest, OneFileByAnySpellingHasOneKey) {
    QFile(path("settings.ini")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("sub");
    QFile::link(path("settings.ini"), path("link.ini"));
    const QString key = instanceKey(path("settings.ini"));
    EXPECT_EQ(instanceKey(path("sub/../settings.ini")), key);
    EXPECT_EQ(instanceKey(path("./settings.ini")), key);
    EXPECT_EQ(instanceKey(path("link.ini")), key);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(instanceKey("settings.ini"), key);
    // A file that does not exist yet (a first start) is named by where it will be made.
    EXPECT_EQ(instanceKey("sub/new.ini"), instanceKey(path("sub/../sub/new.ini")));
    QDir::setCurrent(before);

    EXPECT_NE(instanceKey(path("other.ini")), key);
    EXPECT_NE(instanceKey(path("sub/settings.ini")), key);
    EXPECT_EQ(instanceKey(QString()), instanceKey(QString()));
    EXPECT_NE(instanceKey(QString()), key);
}

TEST_F(SingleInstanceTest, LaterStartRaisesTheFirstAndEnds) {
    SingleInstance first("k", dir.path());
    int raised = 0;
    first.onRaiseRequest = [&raised] { ++raised; };
    ASSERT_EQ(first.begin(1s), Outcome::First);

    SingleInstance later("k", dir.path());
    later.onRaiseRequest = [] { ADD_FAILURE() << "a start that hands over serves nobody"; };
    EXPECT_EQ(beginWhileServing(later, 5s), Outcome::RaisedOther);
    EXPECT_EQ(raised, 1);
    // Every later start is answered, not only the first of them.
    SingleInstance third("k", dir.path());
    EXPECT_EQ(beginWhileServing(third, 5s), Outcome::RaisedOther);
    EXPECT_EQ(raised, 2);
}

TEST_F(SingleInstanceTest, DeviceRunningForHoursKeepsItsLock) {
    SingleInstance first("k", dir.path());
    ASSERT_EQ(first.begin(1s), Outcome::First);
    QFile lock(first.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::Append));
    ASSERT_TRUE(
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-5 * 3600), QFileDevice::FileModificationTime));
    lock.close();
    SingleInstance later("k", dir.path());
    EXPECT_EQ(beginWhileServing(later, 5s), Outcome::RaisedOther);
}

TEST_F(SingleInstanceTest, OtherSettingsRunBeside) {
    SingleInstance first("k1", dir.path());
    ASSERT_EQ(first.begin(1s), Outcome::First);
    SingleInstance beside("k2", dir.path());
    EXPECT_EQ(beside.begin(1s), Outcome::First);
}

TEST_F(SingleInstanceTest, EndedOwnerLeavesNothingBehind) {
    {
        SingleInstance first("k", dir.path());
        ASSERT_EQ(first.begin(1s), Outcome::First);
        EXPECT_TRUE(QFile::exists(first.lockPath()));
    }
    SingleInstance next("k", dir.path());
    EXPECT_FALSE(QFile::exists(next.lockPath()));
    EXPECT_FALSE(QFile::exists(next.serverName()));
    EXPECT_EQ(next.begin(1s), Outcome::First);
}

#ifdef Q_OS_UNIX
TEST_F(SingleInstanceTest, LockAndSocketOfACrashedOwnerDoNotBlock) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The owner dies without a word: no destructor removes its lock or its socket.
        SingleInstance owner("k", dir.path());
        _exit(owner.begin(1s) == Outcome::First ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    SingleInstance next("k", dir.path());
    ASSERT_TRUE(QFile::exists(next.lockPath()));
    ASSERT_TRUE(QFile::exists(next.serverName()));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(next.begin(3s), Outcome::First);
    EXPECT_LT(clock.elapsed(), 1000);
    // And it is reachable on the socket the dead owner left.
    int raised = 0;
    next.onRaiseRequest = [&raised] { ++raised; };
    SingleInstance later("k", dir.path());
    EXPECT_EQ(beginWhileServing(later, 5s), Outcome::RaisedOther);
    EXPECT_EQ(raised, 1);
}
#endif

TEST_F(SingleInstanceTest, OwnerThatDoesNotAnswerIsReportedInTime) {
    SingleInstance probe("k", dir.path());
    QLockFile owner(probe.lockPath());
    ASSERT_TRUE(owner.tryLock(0));
    QElapsedTimer clock;
    clock.start();
    // Not listening at all...
    EXPECT_EQ(probe.begin(300ms), Outcome::OtherSilent);
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 2000);
    // ...or listening without ever replying (this thread never serves the connection).
    QLocalServer deaf;
    ASSERT_TRUE(deaf.listen(probe.serverName()));
    SingleInstance again("k", dir.path());
    clock.restart();
    EXPECT_EQ(again.begin(300ms), Outcome::OtherSilent);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(SingleInstanceTest, OwnerThatEndsWhileALaterStartWaitsHandsOverTheSettings) {
    SingleInstance probe("k", dir.path());
    auto owner = std::make_unique<QLockFile>(probe.lockPath());
    ASSERT_TRUE(owner->tryLock(0));
    std::thread ending([&owner] {
        std::this_thread::sleep_for(200ms);
        owner.reset();
    });
    EXPECT_EQ(probe.begin(5s), Outcome::First);
    ending.join();
}

TEST_F(SingleInstanceTest, WithoutAPlaceForTheLockTheDeviceStillRuns) {
    QFile(path("file")).open(QIODevice::WriteOnly);
    SingleInstance instance("k", path("file/runtime"));
    EXPECT_EQ(instance.begin(1s), Outcome::Unguarded);
}

TEST_F(SingleInstanceTest, StrangeRequestsAreRefused) {
    SingleInstance first("k", dir.path());
    int raised = 0;
    first.onRaiseRequest = [&raised] { ++raised; };
    ASSERT_EQ(first.begin(1s), Outcome::First);
    for (const QByteArray& junk : {QByteArray("quit\n"), QByteArray(200, 'x')}) {
        auto reply = std::async(std::launch::async, [&] {
            QLocalSocket socket;
            socket.connectToServer(first.serverName());
            if (!socket.waitForConnected(2000)) return QByteArray("no connection");
            socket.write(junk);
            socket.waitForBytesWritten(2000);
            // The first closes the connection without an answer.
            while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(2000)) {
            }
            return socket.readAll();
        });
        while (reply.wait_for(1ms) != std::future_status::ready) QCoreApplication::processEvents();
        EXPECT_EQ(reply.get(), QByteArray()) << junk.left(10).constData();
    }
    EXPECT_EQ(raised, 0);
    SingleInstance later("k", dir.path());
    EXPECT_EQ(beginWhileServing(later, 5s), Outcome::RaisedOther);
    EXPECT_EQ(raised, 1);
}

}  // namespace
}  // namespace tap::qt
