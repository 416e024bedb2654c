// The countdown on virtual time, and the alarm: switching, setting on the face, and the notice that
// the clock raises at the alarm time.
#include <gtest/gtest.h>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

// A device started straight into mode 2 and switched to the countdown with START.
struct CountdownScene : Scenario {
    CountdownScene() {
        stored("MODE", "SELECT", "2");
        start();
        startButton();
    }
    void keyAt(double ms, std::int16_t vk) { sim.at(ms, [this, vk] { tap(vk); }); }
    void aAt(double ms) { keyAt(ms, dev.s.keys.keyCodeA); }
    void bAt(double ms) { keyAt(ms, dev.s.keys.keyCodeB); }
};

TEST(Countdown, RunsThePresetDownAndHoldsZeroForOneMoreSecond) {
    CountdownScene sc;
    EXPECT_EQ(sc.display(), "_200|_2");
    std::string afterOne, atZero;
    double finishedAt = 0;
    // The loop runs inside the A press, so the press returns when the countdown has finished.
    sc.sim.at(100, [&] {
        sc.tap(sc.dev.s.keys.keyCodeA);
        finishedAt = sc.sim.elapsedMs();
    });
    sc.sim.at(100 + 1500, [&] { afterOne = sc.display(); });
    sc.sim.at(100 + 120500, [&] { atZero = sc.display(); });
    sc.sim.runUntil(130000);
    EXPECT_EQ(afterOne, "_159|_2");
    EXPECT_EQ(atZero, "_000|_2");
    EXPECT_EQ(sc.dev.s.countdownState, 2);
    EXPECT_EQ(sc.display(), "_000|_2");
    EXPECT_GE(finishedAt - 100, 121000);
    EXPECT_LE(finishedAt - 100, 121100);
}

TEST(Countdown, BChoosesThePresetOnlyWhileStopped) {
    CountdownScene sc;
    std::string three, five, backToTwo, whileRunning;
    sc.bAt(10);
    sc.sim.at(11, [&] { three = sc.display(); });
    sc.bAt(20);
    sc.sim.at(21, [&] { five = sc.display(); });
    sc.bAt(30);
    sc.sim.at(31, [&] { backToTwo = sc.display(); });
    sc.bAt(40);   // 3 minutes
    sc.aAt(100);  // start
    sc.bAt(1500);
    sc.sim.at(2500, [&] { whileRunning = sc.display(); });
    sc.aAt(3000);  // stop: the preset again
    sc.sim.runUntil(3100);
    EXPECT_EQ(three, "_300|_3");
    EXPECT_EQ(five, "_500|_5");
    EXPECT_EQ(backToTwo, "_200|_2");
    EXPECT_EQ(whileRunning, "_258|_3");
    EXPECT_EQ(sc.dev.s.countdownState, 0);
    EXPECT_EQ(sc.display(), "_300|_3");
}

TEST(Countdown, StopAndRestartWithinOnePassCountsAfresh) {
    CountdownScene sc;
    sc.aAt(100);
    sc.aAt(5000);  // stop
    sc.aAt(5000);  // and start again before the loop has seen the stop
    std::string shown;
    sc.sim.at(5000 + 1500, [&] { shown = sc.display(); });
    sc.sim.at(5000 + 1600, [&] { sc.startButton(); });  // back to the stopwatch: the countdown ends
    sc.sim.runUntil(7000);
    EXPECT_EQ(shown, "_159|_2");
}

TEST(Countdown, StartSwitchesToTheStopwatchAndDiscardsTheCount) {
    CountdownScene sc;
    sc.aAt(100);
    sc.sim.at(2000, [&] { sc.startButton(); });
    sc.sim.runUntil(2100);
    EXPECT_EQ(sc.dev.s.countdownState, 0);
    EXPECT_EQ(sc.dev.s.watchIsStopwatch, 1);
    EXPECT_EQ(sc.display(), "0000|00");
}

// The hidden cntType label says which of the two mode 2 runs: "0" the countdown, "1" the stopwatch.
TEST(Countdown, StartTogglesTheCntTypeCaption) {
    CountdownScene sc;
    EXPECT_EQ(sc.dev.face.caption(Label::cntType), "0");
    sc.startButton();
    EXPECT_EQ(sc.dev.face.caption(Label::cntType), "1");
    sc.startButton();
    EXPECT_EQ(sc.dev.face.caption(Label::cntType), "0");
}

// ---- alarm ----

struct AlarmScene : Scenario {
    AlarmScene(TimeOfDay alarm, TimeOfDay now, bool on = true) {
        stored("MODE", "TIME_ALARM_SET", on ? "1" : "0");
        stored("MODE", "TIME_ALARM_HOU", std::to_string(alarm.hour));
        stored("MODE", "TIME_ALARM_MIN", std::to_string(alarm.minute));
        stored("MODE", "TIME_ALARM_SEC", std::to_string(alarm.second));
        start();
        sim.setTimeOfDay(now);
    }
    void keyAt(double ms, std::int16_t vk) { sim.at(ms, [this, vk] { tap(vk); }); }
    void selectAt(double ms) { sim.at(ms, [this] { select(); }); }
    void startAt(double ms) { sim.at(ms, [this] { startButton(); }); }
    void aAt(double ms) { keyAt(ms, dev.s.keys.keyCodeA); }
    void bAt(double ms) { keyAt(ms, dev.s.keys.keyCodeB); }
};

TEST(Alarm, RingsInTheClockUntilConfirmedWithTheWindowOffTheTop) {
    AlarmScene sc({7, 0, 0}, {6, 59, 58});
    sc.sim.noticeOkAfterMs = 2500;
    sc.selectAt(10);  // the clock
    sc.selectAt(8000);
    sc.sim.runUntil(8100);
    ASSERT_EQ(sc.sim.notices.size(), 1u);
    const auto& n = sc.sim.notices[0];
    EXPECT_EQ(n.message, "指定の時間になりました  7:00:00");
    EXPECT_NEAR(n.openedAtMs, 2000, 60);
    EXPECT_EQ(n.beeps, 3);  // on coming up, then every second until OK
    EXPECT_FALSE(n.topmostWhileShown);
    EXPECT_TRUE(sc.sim.alwaysOnTop);
    EXPECT_EQ(sc.sim.beeps, 3);  // silent once confirmed
}

TEST(Alarm, DoesNotRingOutsideTheClockOrWhenOff) {
    AlarmScene inModeZero({7, 0, 0}, {6, 59, 58});
    inModeZero.sim.runUntil(5000);
    EXPECT_TRUE(inModeZero.sim.notices.empty());

    AlarmScene off({7, 0, 0}, {6, 59, 58}, false);
    off.selectAt(10);
    off.selectAt(5000);
    off.sim.runUntil(5100);
    EXPECT_TRUE(off.sim.notices.empty());
}

TEST(Alarm, ANoticeClosedWithinTheAlarmSecondComesBack) {
    AlarmScene sc({7, 0, 0}, {6, 59, 59});
    sc.sim.noticeOkAfterMs = 300;
    sc.selectAt(10);
    sc.selectAt(4000);
    sc.sim.runUntil(4100);
    ASSERT_GE(sc.sim.notices.size(), 3u);
    for (const auto& n : sc.sim.notices) EXPECT_LT(n.openedAtMs, 2000) << n.openedAtMs;
    EXPECT_GE(sc.sim.notices.front().openedAtMs, 1000);
}

TEST(Alarm, MenuSwitchesItWithTheIconOfTheViewSize) {
    AlarmScene sc({7, 0, 0}, {6, 0, 0}, false);
    EXPECT_EQ(sc.dev.face.picture(El::alarm_icon), (PictureId{PicTable::AlarmOff, 0}));
    sc.dev.menu.choose("VIEW_COMPACT");
    sc.dev.menu.choose("ALARM_ON");
    EXPECT_EQ(sc.dev.s.alarmOn, 1);
    EXPECT_TRUE(sc.dev.menu.checked("ALARM_ON"));
    EXPECT_FALSE(sc.dev.menu.checked("ALARM_OFF"));
    EXPECT_EQ(sc.dev.face.picture(El::alarm_icon), (PictureId{PicTable::AlarmOn, 1}));
    sc.dev.menu.choose("VIEW_MAX");
    sc.dev.menu.choose("ALARM_OFF");
    EXPECT_EQ(sc.dev.s.alarmOn, 0);
    EXPECT_FALSE(sc.dev.menu.checked("ALARM_ON"));
    EXPECT_EQ(sc.dev.face.picture(El::alarm_icon), (PictureId{PicTable::AlarmOff, 0}));
}

TEST(Alarm, SettingOnTheFaceStopsTheClockAndBlinksTheField) {
    AlarmScene sc({9, 5, 7}, {13, 30, 0});
    std::string shown, blinked, later;
    sc.selectAt(10);
    sc.startAt(100);
    sc.sim.at(101, [&] { shown = sc.display(); });
    sc.sim.at(560, [&] { blinked = sc.display(); });  // seconds hidden by the first blink
    sc.sim.at(2000, [&] { later = sc.display(); });   // the time of day moved on; the display did not
    sc.sim.runUntil(3000);
    EXPECT_EQ(shown, "_905|07");
    EXPECT_EQ(blinked, "_905|  ");
    EXPECT_EQ(later, "_905|07");
    EXPECT_TRUE(sc.dev.s.alarmEditing);
    EXPECT_FALSE(sc.dev.s.clockLoopRunning);
}

TEST(Alarm, AWrapsTheFieldAndStartGoesBackToTheClock) {
    AlarmScene sc({23, 59, 59}, {13, 30, 0});
    std::string wrapped, clock;
    sc.selectAt(10);
    sc.startAt(100);
    sc.aAt(110);  // seconds 59 -> 0
    sc.bAt(120);
    sc.aAt(130);  // minutes 59 -> 0
    sc.bAt(140);
    sc.aAt(150);  // hours 23 -> 0
    sc.sim.at(151, [&] { wrapped = sc.display(); });
    sc.startAt(200);
    sc.sim.at(1500, [&] { clock = sc.display(); });
    sc.selectAt(1600);
    sc.sim.runUntil(1700);
    EXPECT_EQ(wrapped, "_000|00");
    EXPECT_EQ(sc.dev.s.alarmHour, 0);
    EXPECT_EQ(clock, "1330|01");
    EXPECT_EQ(sc.dev.AlarmBlink->interval(), 0);
}

}  // namespace
}  // namespace tap::sim
