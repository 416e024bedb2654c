// Game pads on the simulated platform: scripted button edges through the poll, the hold-flag rules,
// presses faster than the poll, pads plugged in and pulled out.
#include <gtest/gtest.h>

#include "core/keysetup/key_setup_dialog.h"
#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

constexpr int kSelect = 0, kStart = 1, kB = 2, kA = 3;  // the default pad codes

// A started device with pad 0 plugged in (and more when asked).
struct PadScene : Scenario {
    explicit PadScene(int pads = 1) {
        for (int j = 0; j < pads; ++j) sim.plugPad(j, "Pad " + std::to_string(j));
        start();
    }
    // After a run begun by then: long enough for it to end.
    void finish() { sim.runUntil(11000); }
};

TEST(GamePad, TheDefaultCodesAreTheFirstFourButtonsOfJoystickZero) {
    PadScene sc;
    sc.padPressAt(100, kStart);
    sc.padPressAt(200, kA);  // starts the run
    sc.padPressAt(300, kB);
    sc.padPressAt(400, kA);
    int stateAfterRun = -1, modeAfterSelect = -1;
    sc.sim.at(10400, [&] { stateAfterRun = sc.dev.s.shootState; });
    sc.padPressAt(10500, kSelect);
    sc.sim.at(10550, [&] { modeAfterSelect = sc.dev.s.modeNo; });
    sc.sim.at(10600, [&] { sc.select(); });  // leaves the clock, whose loop runs from the pad's SELECT
    sc.sim.runUntil(10700);
    EXPECT_EQ(sc.dev.s.countA, 2);
    EXPECT_EQ(sc.dev.s.countB, 1);
    EXPECT_EQ(stateAfterRun, 3);
    EXPECT_EQ(modeAfterSelect, 1);
    EXPECT_EQ(sc.dev.s.padStartPresses, 1);
}

TEST(GamePad, Code103IsTheFourthButtonOfJoystickOne) {
    PadScene sc(2);
    sc.dev.s.keys.padButtonA = 103;
    sc.startButton();
    sc.padPressAt(100, kA);  // button 4 of joystick 0 is no longer A
    sc.padPressAt(200, 103);
    sc.padPressAt(300, 103);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 2);
}

TEST(GamePad, PadAHeldForSecondsIsOnePressAndItsCaptionsFollow) {
    PadScene sc;
    sc.startButton();
    sc.padDownAt(200, kA);
    std::string whileHeld;
    sc.sim.at(2000, [&] { whileHeld = sc.dev.pad.labels().Label15; });
    sc.padUpAt(3200, kA);
    sc.padPressAt(4000, kA);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 2);
    EXPECT_EQ(whileHeld, "PUSH");
    EXPECT_EQ(sc.dev.pad.labels().Label15, "UP");
    EXPECT_EQ(sc.dev.padPollTimer->interval(), GamePadPoll::kPollMs);
}

TEST(GamePad, StartCountsItsPressesInItsCaption) {
    PadScene sc;
    std::string whileHeld;
    sc.padPressAt(100, kStart, 100);
    sc.sim.at(150, [&] { whileHeld = sc.dev.pad.labels().Label13; });
    sc.padPressAt(300, kStart);
    sc.sim.runUntil(400);
    EXPECT_EQ(sc.dev.s.padStartPresses, 2);
    EXPECT_EQ(whileHeld, "1");
    EXPECT_EQ(sc.dev.pad.labels().Label13, "UP");
}

TEST(GamePad, SelectWhileAIsHeldActsOnceAndAWaitsForItsRelease) {
    PadScene sc;
    sc.sim.at(10, [&] { sc.select(); });       // the clock
    sc.sim.at(20, [&] { sc.startButton(); });  // its alarm setting: A steps the seconds
    sc.padDownAt(100, kA);
    sc.padDownAt(2000, kSelect);  // held for a second: to the stopwatch, once
    int mode = -1, watchState = -1, alarmSecond = -1;
    sc.sim.at(2900, [&] {
        mode = sc.dev.s.modeNo;
        watchState = sc.dev.s.stopwatchState;
        alarmSecond = sc.dev.s.alarmSecond;
    });
    sc.padUpAt(3000, kSelect);
    sc.padUpAt(4000, kA);
    sc.padDownAt(4100, kA);  // now A starts the stopwatch
    int watchStateAfter = -1;
    sc.sim.at(4200, [&] { watchStateAfter = sc.dev.s.stopwatchState; });
    sc.sim.at(4300, [&] { sc.select(); });  // ends the stopwatch's loop and then the clock's
    sc.sim.runUntil(5000);
    EXPECT_EQ(alarmSecond, 1);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(watchState, 0);  // the held A was not delivered again
    EXPECT_EQ(watchStateAfter, 1);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
}

TEST(GamePad, WhileTheKeySetupDialogIsOpenPadsDoNothing) {
    PadScene sc;
    int timerWhileOpen = -1;
    sc.sim.at(100, [&] { sc.dev.menu.choose("KEYSETUP"); });
    sc.padPressAt(200, kSelect);
    sc.padPressAt(300, kStart);
    sc.padDownAt(400, kA);
    sc.sim.at(450, [&] { timerWhileOpen = sc.dev.padPollTimer->interval(); });
    sc.sim.at(500, [&] { sc.dev.keySetup.dialog()->CancelButton_Click(); });
    int modeAfter = -1;
    sc.sim.at(600, [&] { modeAfter = sc.dev.s.modeNo; });
    sc.sim.runUntil(700);
    EXPECT_EQ(timerWhileOpen, 0);
    EXPECT_EQ(modeAfter, 0);
    EXPECT_EQ(sc.dev.s.shootState, 0);
    EXPECT_EQ(sc.dev.s.padStartPresses, 0);
    EXPECT_FALSE(sc.dev.s.holdA);  // the A pressed for the dialog is not a press of the device
    EXPECT_EQ(sc.dev.padPollTimer->interval(), GamePadPoll::kPollMs);
}

TEST(GamePad, ButtonsThirteenAndUpAreNeverSeen) {
    PadScene sc;
    sc.dev.s.keys.padButtonA = 12;  // button 13
    sc.startButton();
    sc.padPressAt(100, 12);
    sc.padPressAt(200, 31);
    sc.sim.runUntil(300);
    EXPECT_EQ(sc.dev.s.shootState, 1);
    EXPECT_EQ(sc.dev.s.countA, 0);
}

TEST(GamePad, APressAndAReleaseInsideOnePollBothCountAtAHundredPerSecond) {
    PadScene sc;
    sc.startButton();
    sc.pressAt(100, VK_V, 2);  // the run starts from the keyboard
    // Each tap goes down and up at once: both edges reach the same poll.
    for (int i = 0; i < 999; ++i)
        sc.sim.at(105 + 10 * i, [&] {
            sc.sim.padButton(0, kA, true);
            sc.sim.padButton(0, kA, false);
        });
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 1000);
    ASSERT_EQ(sc.dev.log.loggedReleasesA, 1000);
    // A pad release is logged at its own time, not at the loop's last pass.
    const Millis start = sc.dev.s.timeStart;
    EXPECT_EQ(start + sc.dev.log.releaseTimeA[1], Millis::fromMs(1000000 + 105));
    EXPECT_EQ(start + sc.dev.log.releaseTimeA[500], Millis::fromMs(1000000 + 105 + 10 * 499));
}

TEST(GamePad, AQuickTapThatStartsTheRunLeavesTheNextPressesCounted) {
    PadScene sc;
    sc.startButton();
    // Down and up in one poll: the down runs the whole measurement; the up must not wait behind it.
    sc.sim.at(101, [&] {
        sc.sim.padButton(0, kA, true);
        sc.sim.padButton(0, kA, false);
    });
    // Both edges of this one reach the same poll too, and happened before the loop's first reading.
    sc.padPressAt(106, kA, 2);
    sc.padPressAt(150, kA);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 3);
}

TEST(GamePad, APadPulledOutWithAHeldReleasesIt) {
    PadScene sc;
    sc.startButton();
    sc.padDownAt(200, kA);
    sc.sim.at(300, [&] { sc.sim.unplugPad(0); });
    sc.pressAt(400, VK_V);  // the keyboard's A counts again
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 2);
    EXPECT_FALSE(sc.dev.s.padHoldA);
}

TEST(GamePad, WithoutAPadOnlyAHotPlugCheckASecondAndAPadPluggedInIsSeen) {
    Scenario sc;
    sc.start();
    const int updatesAtStart = sc.sim.padUpdates;
    sc.sim.runUntil(10000);
    EXPECT_LE(sc.sim.padUpdates - updatesAtStart, 11);
    EXPECT_EQ(sc.dev.padPollTimer->interval(), GamePadPoll::kIdleCheckMs);

    sc.sim.at(10100, [&] { sc.sim.plugPad(0); });
    sc.padPressAt(11200, kStart);  // by then the pad has been found
    sc.sim.runUntil(11300);
    EXPECT_EQ(sc.dev.s.shootState, 1);
    EXPECT_EQ(sc.dev.padPollTimer->interval(), GamePadPoll::kPollMs);
}

}  // namespace
}  // namespace tap::sim
