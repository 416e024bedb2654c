// Entries into the device under the real event loop: a failing timer tick or posted task is reported and
// the program runs on; a mode loop's wait ends on entries into the device, not on other events.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/qt/entry_guard.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_timers.h"

namespace tap::qt {
namespace {

struct Reports : ::testing::Test {
    std::vector<std::string> told;
    void SetUp() override {
        setFailureReport([this](const std::string& what) { told.push_back(what); });
    }
    void TearDown() override { setFailureReport(nullptr); }
    static void runEventsFor(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

using EntryGuard = Reports;

TEST_F(EntryGuard, AFailingTimerTickIsToldOnceAndTheTimerRunsOn) {
    QtTimerFactory timers;
    int ticks = 0;
    auto timer = timers.createTimer([&] {
        ++ticks;
        throw std::runtime_error("the pad poll failed");
    });
    timer->setInterval(5);
    runEventsFor(120);
    timer->setInterval(0);
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(told, (std::vector<std::string>{"the pad poll failed"}));
}

TEST_F(EntryGuard, AFailingPostedTaskIsToldAndLaterTasksStillRun) {
    QtEventPump pump;
    bool laterRan = false;
    pump.post([] { throw std::runtime_error("the stored mode failed"); });
    pump.post([&] { laterRan = true; });
    runEventsFor(20);
    EXPECT_EQ(told, (std::vector<std::string>{"the stored mode failed"}));
    EXPECT_TRUE(laterRan);
}

TEST_F(EntryGuard, ShutdownHandlersEndTheProgramEvenWhenTheyFail) {
    QEventLoop loop;
    int code = -1;
    QTimer::singleShot(0, [] { guardedShutdown([] { throw std::runtime_error("cannot save"); })(); });
    QTimer::singleShot(1000, &loop, [&] { loop.exit(99); });
    code = loop.exec();
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(told.empty());  // a signal cannot wait for a message: standard error only
}

TEST(EventPump, AWaitEndsOnAnEntryIntoTheDeviceButNotOnOtherEvents) {
    QtEventPump pump;
    QElapsedTimer clock;
    // A plain event (as a repaint would be) does not end the wait...
    QTimer::singleShot(5, [] {});
    clock.start();
    pump.yield(Millis::fromMs(60));
    EXPECT_GE(clock.elapsed(), 55);
    // ...an entry into the device does.
    QTimer::singleShot(5, guardedCallback([] {}));
    clock.restart();
    pump.yield(Millis::fromMs(500));
    EXPECT_LT(clock.elapsed(), 250);
}

TEST(EventPump, NestedWaitsEachKeepTheirOwnDeadline) {
    QtEventPump pump;
    QElapsedTimer clock;
    clock.start();
    qint64 innerReturned = 0;
    // A handler running inside the outer wait waits itself, as a mode loop started by a key does.
    QTimer::singleShot(5, guardedCallback([&] {
        pump.yield(Millis::fromMs(30));
        innerReturned = clock.elapsed();
    }));
    pump.yield(Millis::fromMs(400));
    EXPECT_GE(innerReturned, 30);
    EXPECT_LT(clock.elapsed(), 250);  // the entry that ran ends the outer wait too
}

}  // namespace
}  // namespace tap::qt
