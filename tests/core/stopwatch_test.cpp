// The stopwatch on virtual time: start and stop, pauses left out, splits, the hour wrap and reset.
#include <gtest/gtest.h>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

// A device started straight into mode 2 (the stopwatch). Presses are scheduled in ms of virtual time;
// the loop runs inside the first A and `readAt` leaves mode 2 afterwards so runFor returns.
struct StopwatchScene : Scenario {
    StopwatchScene() {
        stored("MODE", "SELECT", "2");
        start();
    }
    void aAt(double ms) { sim.at(ms, [this] { keyDown(dev.s.keys.keyCodeA); }); }
    void bAt(double ms) { sim.at(ms, [this] { keyDown(dev.s.keys.keyCodeB); }); }
    void leaveAt(double ms) { sim.at(ms, [this] { select(); }); }
    std::string readAt(double ms) {
        std::string seen;
        sim.at(ms, [this, &seen] { seen = display(); });
        leaveAt(ms + 1);
        sim.runUntil(ms + 2);
        return seen;
    }
    bool markerBlinking() const { return dev.Timer1->interval() != 0; }
};

TEST(Stopwatch, StopsAtTheElapsedTime) {
    StopwatchScene sc;
    EXPECT_EQ(sc.display(), "0000|00");
    sc.aAt(100);
    sc.aAt(100 + 65435);
    EXPECT_EQ(sc.readAt(70000), "0105|43");
    EXPECT_EQ(sc.dev.s.stopwatchState, 0);  // left by SELECT
}

TEST(Stopwatch, RunningDisplayFollowsTheTime) {
    StopwatchScene sc;
    sc.aAt(100);
    EXPECT_EQ(sc.readAt(100 + 12346), "0012|34");
}

TEST(Stopwatch, LeavesPausesOut) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.aAt(100 + 10005);  // stop after 10 s
    std::string paused;
    sc.sim.at(100 + 25000, [&] { paused = sc.display(); });
    sc.aAt(100 + 30005);  // resume 20 s later
    sc.aAt(100 + 35005);  // stop after 5 s more
    EXPECT_EQ(sc.readAt(100 + 40000), "0015|00");
    EXPECT_EQ(paused, "0010|00");
}

// Two A presses handled in one pass take the stopwatch from stopped straight to running: the pause is
// still left out, and it runs as after any resume, without the split marker blinking.
TEST(Stopwatch, DoubleResumeWithinOnePassStillLeavesThePauseOut) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.aAt(100 + 10005);
    sc.aAt(100 + 30005);
    sc.aAt(100 + 30005);
    bool blinking = true, markerShown = false;
    sc.sim.at(100 + 32000, [&] {
        blinking = sc.markerBlinking();
        markerShown = sc.dev.face.visible(El::mode);
    });
    sc.aAt(100 + 35005);
    EXPECT_EQ(sc.readAt(100 + 40000), "0015|00");
    EXPECT_FALSE(blinking);
    EXPECT_TRUE(markerShown);
}

TEST(Stopwatch, SplitHoldsTheDisplayWhileTheTimeRunsOn) {
    StopwatchScene sc;
    std::string held, stillHeld, newSplit, running;
    bool blinking = false, markerBackAfterA = false;
    sc.aAt(100);
    sc.bAt(100 + 3215);
    sc.sim.at(100 + 3300, [&] { held = sc.display(); });
    sc.sim.at(100 + 5000, [&] {
        stillHeld = sc.display();
        blinking = sc.markerBlinking();
    });
    sc.bAt(100 + 7005);  // a new split: the current time, held again
    sc.sim.at(100 + 9000, [&] { newSplit = sc.display(); });
    sc.aAt(100 + 9005);  // back to the running display
    sc.sim.at(100 + 10006, [&] {
        running = sc.display();
        markerBackAfterA = !sc.markerBlinking() && sc.dev.face.visible(El::mode);
    });
    sc.leaveAt(100 + 10010);
    sc.sim.runUntil(100 + 10020);
    EXPECT_EQ(held, "0003|21");
    EXPECT_EQ(stillHeld, "0003|21");
    EXPECT_TRUE(blinking);
    EXPECT_EQ(newSplit, "0007|00");
    EXPECT_EQ(running, "0010|00");
    EXPECT_TRUE(markerBackAfterA);
}

TEST(Stopwatch, WholeHoursAreDropped) {
    StopwatchScene sc;
    sc.sim.passLength = Millis::fromMs(10);  // an hour in fewer passes
    sc.aAt(100);
    EXPECT_EQ(sc.readAt(100 + 61 * 60000 + 500).substr(0, 4), "0100");
}

TEST(Stopwatch, OnlyBWhileStoppedResets) {
    StopwatchScene sc;
    std::string afterRunningB, afterSplitB;
    sc.aAt(100);
    sc.bAt(1105);  // split
    sc.bAt(2105);  // new split
    sc.sim.at(2200, [&] { afterSplitB = sc.display(); });
    sc.aAt(2300);  // running again
    sc.aAt(3105);  // stopped at 3.00
    sc.bAt(4000);  // reset: the loop ends
    sc.sim.runUntil(4100);
    EXPECT_EQ(afterSplitB, "0002|00");
    EXPECT_EQ(sc.display(), "0000|00");
    EXPECT_FALSE(sc.dev.s.stopwatchStarted);
    EXPECT_EQ(sc.dev.s.stopwatchState, 0);

    sc.aAt(5000);  // starts afresh from zero
    EXPECT_EQ(sc.readAt(5000 + 1236), "0001|23");
}

TEST(Stopwatch, ResetAndRestartWithinOnePassStartsFromZero) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.aAt(5105);  // stopped at 5.00
    sc.bAt(6000);
    sc.aAt(6000);
    EXPECT_EQ(sc.readAt(6000 + 2006), "0002|00");
}

// Reset, start and stop handled in one pass leave a stopwatch that has run for no time: the resume
// counts on from zero, neither from a time before the reset nor from below zero.
TEST(Stopwatch, ResetStartAndStopWithinOnePassResumeFromZero) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.aAt(5105);  // stopped at 5.00
    sc.bAt(6000);  // reset,
    sc.aAt(6000);  // start
    sc.aAt(6000);  // and stop, all in one pass
    std::string stopped, justResumed;
    sc.sim.at(6500, [&] { stopped = sc.display(); });
    sc.aAt(7000);  // resume
    sc.sim.at(7105, [&] { justResumed = sc.display(); });
    EXPECT_EQ(sc.readAt(7000 + 2006), "0002|00");
    EXPECT_EQ(stopped, "0000|00");
    EXPECT_EQ(justResumed, "0000|10");
}

// A stop and a split show the time of their own press, not that of the loop's last pass before it.
TEST(Stopwatch, StopAndSplitShowTheTimeOfThePress) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.bAt(100 + 1220);  // split as 1.22 begins
    std::string split;
    sc.sim.at(100 + 1300, [&] { split = sc.display(); });
    sc.aAt(100 + 2000);  // running again
    sc.aAt(100 + 2440);  // stop as 2.44 begins
    EXPECT_EQ(sc.readAt(100 + 3000), "0002|44");
    EXPECT_EQ(split, "0001|22");
}

// The loop sleeps until the hundredths change, a frame (16 ms) after its last update at the soonest,
// instead of waking every millisecond to show the same digits or drawing more often than a screen shows.
TEST(Stopwatch, RunningLoopSleepsUntilTheHundredthsChangeAFrameOn) {
    StopwatchScene sc;
    sc.aAt(100);
    std::vector<double> waits;  // of the pass that delivers each event, which began 1 ms before it
    for (double t : {100 + 503.0, 100 + 507.0, 100 + 511.0})
        sc.sim.at(t, [&] { waits.push_back(sc.sim.lastMaxWait.ms()); });
    sc.readAt(100 + 1000);
    // Updated at 5.02 s: a frame on is 5.18 s, the hundredths change at 5.20 s; 5.06 s: 5.22, 5.30; 5.10 s: 5.26, 5.30.
    EXPECT_EQ(waits, (std::vector<double>{18, 24, 20}));
}

TEST(Stopwatch, SelectEndsTheLoopAndComingBackShowsZeros) {
    StopwatchScene sc;
    sc.aAt(100);
    sc.leaveAt(3000);               // mode 0
    sc.sim.at(3010, [&] { sc.select(); });  // mode 1: the clock
    sc.sim.at(3020, [&] { sc.select(); });  // mode 2 again
    sc.sim.runUntil(3100);
    EXPECT_EQ(sc.dev.s.modeNo, 2);
    EXPECT_FALSE(sc.dev.s.stopwatchStarted);
    EXPECT_EQ(sc.display(), "0000|00");
}

}  // namespace
}  // namespace tap::sim
