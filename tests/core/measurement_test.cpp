// The ten-second shooting run on virtual time: counting, the second bounds, the 10 ms grid, the countdown,
// the end of a run with its unlocking and record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

constexpr double kT0 = 100;  // the first press of every run in these scenes
const char* const kUnlockText = "裏ワザ機能が追加されました！";

// A started device in mode 0, armed with START.
struct RunScene : Scenario {
    explicit RunScene(const char* record = nullptr) {
        if (record) stored("MODE", "SHOOTING_MAX", record);
        start();
        startButton();
    }
    // `n` presses from kT0, A and B alternately every `everyMs`, each held 5 ms; then the run is waited out.
    void alternate(int n, double everyMs = 40) {
        for (int i = 0; i < n; ++i) pressAt(kT0 + i * everyMs, i % 2 ? VK_C : VK_V);
    }
    void finish() { sim.runUntil(kT0 + 10100); }
    int unlockMessages() const {
        int n = 0;
        for (const auto& m : sim.messages) n += m.text == kUnlockText;
        return n;
    }
};

TEST(Measurement, AHeldKeyCountsOncePressingAgainCountsAgain) {
    RunScene sc;
    sc.sim.at(kT0, [&] { sc.keyDown(VK_V); });
    for (double t = kT0 + 30; t < kT0 + 600; t += 30) sc.sim.at(t, [&] { sc.keyDown(VK_V); });  // repeats
    sc.sim.at(kT0 + 600, [&] { sc.keyUp(VK_V); });
    sc.pressAt(kT0 + 700, VK_V);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 2);
    EXPECT_EQ(sc.dev.s.countTotal, 2);
    EXPECT_EQ(sc.dev.s.shootState, 3);
}

TEST(Measurement, EachButtonCountsForItselfAndTheDisplayShowsTheSum) {
    RunScene sc;
    sc.pressAt(kT0, VK_C);
    sc.pressAt(kT0 + 50, VK_C);
    sc.pressAt(kT0 + 100, VK_V);
    std::string live;
    sc.sim.at(kT0 + 120, [&] { live = sc.display(); });
    sc.finish();
    EXPECT_EQ(sc.dev.s.countB, 2);
    EXPECT_EQ(sc.dev.s.countA, 1);
    EXPECT_EQ(live, "___3|10");
}

TEST(Measurement, PressesOutsideARunSetTheHoldFlagButCountNothing) {
    Scenario sc;
    sc.start();
    sc.keyDown(VK_V);  // idle
    EXPECT_TRUE(sc.dev.s.holdA);
    sc.keyUp(VK_V);
    EXPECT_EQ(sc.dev.s.countTotal, 0);
    EXPECT_EQ(sc.dev.s.shootState, 0);
    EXPECT_EQ(sc.display(), "___0|__");
}

TEST(Measurement, SecondBoundsAreInclusiveAtTheTop) {
    RunScene sc;
    sc.pressAt(kT0, VK_V);                                // starts the run: second 0
    sc.pressAt(kT0 + 1000, VK_C);                         // still second 0
    sc.pressAt(kT0 + 1001, VK_V);                         // second 1
    sc.pressAt(kT0 + 2000, VK_C);                         // second 1
    sc.pressAt(kT0 + 10000, VK_V);                        // second 9, the last moment of the run
    sc.sim.at(kT0 + 10000.5, [&] { sc.keyDown(VK_C); });  // after the ten seconds, before the loop ends
    sc.finish();
    const auto& log = sc.dev.log;
    EXPECT_EQ(log.secondCountA[0], 1);
    EXPECT_EQ(log.secondCountB[0], 1);
    EXPECT_EQ(log.secondCountA[1], 1);
    EXPECT_EQ(log.secondCountB[1], 1);
    EXPECT_EQ(log.secondCountA[9], 1);
    EXPECT_EQ(log.secondCountB[10], 0);
    EXPECT_EQ(log.secondCountAB[0], 2);
    EXPECT_EQ(log.secondCountAB[1], 2);
    EXPECT_EQ(log.secondCountAB[9], 1);
    EXPECT_EQ(sc.dev.s.countTotal, 5);  // the late press is not part of the run
}

TEST(Measurement, RunLastsTenSecondsAndTheSmallDigitsCountDown) {
    RunScene sc;
    EXPECT_EQ(sc.display(), "___0|10");  // armed: the record and 10
    sc.pressAt(kT0, VK_V);
    std::vector<std::pair<double, std::string>> seen;
    for (double t : {500.0, 1000.0, 1001.5, 1500.0, 5500.0, 9500.0, 10000.0})
        sc.sim.at(kT0 + t, [&, t] { seen.emplace_back(t, sc.display()); });
    int stateAtTheEnd = -1;
    sc.sim.at(kT0 + 10000, [&] { stateAtTheEnd = sc.dev.s.shootState; });
    sc.finish();
    const std::vector<std::pair<double, std::string>> expected = {
        {500.0, "___1|10"},  {1000.0, "___1|10"}, {1001.5, "___1|_9"}, {1500.0, "___1|_9"},
        {5500.0, "___1|_5"}, {9500.0, "___1|_1"}, {10000.0, "___1|_1"}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(stateAtTheEnd, 2);  // 10 000 ms is still inside the run
    EXPECT_EQ(sc.dev.s.shootState, 3);
    EXPECT_FALSE(sc.dev.s.measuring);
    EXPECT_EQ((sc.dev.s.timeNow - sc.dev.s.timeStart).ms(), 10001);  // the first pass beyond ten seconds
    EXPECT_EQ(sc.display(), "___1|_0");
    EXPECT_EQ(sc.dev.s.tickCount, 1000);
}

TEST(Measurement, TheLoopNeverWaitsPastTheEndOfTheRun) {
    RunScene sc;
    sc.sim.passLength = Millis::fromMsDouble(0.4);
    sc.pressAt(kT0, VK_V);
    Millis midRun, nearEnd;
    // Read from inside the yield: the wait that pass asked for.
    sc.sim.at(kT0 + 5000, [&] { midRun = sc.sim.lastMaxWait; });
    sc.sim.at(kT0 + 9999.9, [&] { nearEnd = sc.sim.lastMaxWait; });
    sc.finish();
    EXPECT_GT(midRun, Millis{});
    EXPECT_LE(midRun, Millis::fromMs(10));  // at most until the next step
    EXPECT_GT(nearEnd, Millis{});
    EXPECT_LT(nearEnd, Millis::fromMs(1));  // only the rest of the ten seconds
    EXPECT_LE((sc.dev.s.timeNow - sc.dev.s.timeStart).ms(), 10000.4);
}

// With waits that last as long as asked: about one pass per 10 ms step without a pad, one per
// millisecond with one; presses and releases keep their own times either way.
TEST(Measurement, TheLoopSleepsUntilItsNextStepUnlessAPadIsAttached) {
    for (bool pad : {false, true}) {
        Scenario sc;
        if (pad) sc.sim.plugPad(0);
        sc.start();
        sc.startButton();
        sc.sim.waitsAsAsked = true;
        sc.sim.passLength = Millis::fromMsDouble(0.01);
        for (int i = 0; i < 100; ++i) sc.pressAt(kT0 + 37.3 * i, i % 2 ? VK_C : VK_V, 11.1);
        int yieldsAtStart = 0;
        sc.sim.at(kT0, [&] { yieldsAtStart = sc.sim.yieldCount; });
        int passes = 0;
        sc.sim.at(kT0 + 9990, [&] { passes = sc.sim.yieldCount - yieldsAtStart; });
        Millis firstBRelease;
        sc.sim.at(kT0 + 5000, [&] { firstBRelease = sc.dev.s.timeStart + sc.dev.log.releaseTimeB[0]; });
        sc.sim.runUntil(kT0 + 10100);
        EXPECT_EQ(sc.dev.s.countTotal, 100) << "pad " << pad;
        EXPECT_EQ(sc.dev.s.tickCount, 1000) << "pad " << pad;
        if (pad) EXPECT_GT(passes, 9900);
        else EXPECT_LT(passes, 1000 + 2 * 200);  // a pass a step, and one for each press and release
        // The release of the press at 37.3 ms, 11.1 ms after it, to the fraction of a millisecond.
        EXPECT_EQ(firstBRelease, Millis::fromMsDouble(1000000 + kT0 + 37.3 + 11.1)) << "pad " << pad;
    }
}

TEST(Measurement, ALateStallIsMadeUpOneTickPerPass) {
    RunScene sc;
    sc.pressAt(kT0, VK_V);
    // The pass right after the tick at 3 000 ms runs 50 ms late.
    sc.sim.at(kT0 + 3000, [&] { sc.sim.stallNextPass(50); });
    int before = 0;
    sc.sim.at(kT0 + 3051, [&] { before = sc.dev.s.tickCount; });  // arrives with the late pass
    std::vector<int> ticks;                                       // after each pass from the late one on
    for (int i = 0; i < 20; ++i) sc.sim.at(kT0 + 3052 + i, [&] { ticks.push_back(sc.dev.s.tickCount); });
    sc.finish();
    ASSERT_EQ(ticks.size(), 20u);
    std::vector<int> gained;
    int last = before;
    for (int t : ticks) {
        gained.push_back(t - last);
        last = t;
    }
    // The late pass and the four after it each make up one tick; then one tick per 10 ms again, on the grid.
    const std::vector<int> expected = {1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(gained, expected);
    EXPECT_EQ(sc.dev.s.tickCount, 1000);  // no tick lost over the run
}

TEST(Measurement, UnlocksAbove119And159OneStepPerRun) {
    struct Case {
        const char* record;
        int presses;
        int limitAfter;
        bool message;
    };
    const Case cases[] = {
        {nullptr, 119, 1, false}, {nullptr, 120, 2, true},  // from the first limit
        {"130", 159, 2, false},   {"130", 160, 3, true},    // from the second
        {nullptr, 170, 2, true},                            // one step only
    };
    for (const auto& c : cases) {
        RunScene sc(c.record);
        sc.alternate(c.presses, 10000.0 / 250);
        sc.finish();
        const std::string label =
            std::string(c.record ? c.record : "fresh") + " / " + std::to_string(c.presses);
        EXPECT_EQ(sc.dev.s.countTotal, c.presses) << label;
        EXPECT_EQ(sc.dev.s.modeLimit, c.limitAfter) << label;
        EXPECT_EQ(sc.unlockMessages(), c.message ? 1 : 0) << label;
        if (c.message) {
            const auto& m = sc.sim.messages.back();
            EXPECT_EQ(m.icon, MessageIcon::Information) << label;
            EXPECT_EQ(m.buttons, MessageButtons::Ok) << label;
            EXPECT_FALSE(m.topmostWhileShown) << label;  // the box is not hidden under the window
            EXPECT_TRUE(sc.sim.alwaysOnTop) << label;    // and the window is on top again after OK
        }
    }
}

TEST(Measurement, ARunOf170UnlocksModeThreeThenTheNextStartDerivesModeFour) {
    RunScene sc;
    sc.alternate(170);
    sc.finish();
    EXPECT_EQ(sc.dev.s.modeLimit, 2);
    EXPECT_EQ(sc.unlockMessages(), 1);
    // Mode 1 runs the clock inside its SELECT, so the SELECTs arrive as events and the mode is read between.
    std::vector<int> cycle;
    for (int i = 0; i < 4; ++i) {
        sc.sim.at(kT0 + 10200 + 10 * i, [&] { sc.select(); });
        sc.sim.at(kT0 + 10205 + 10 * i, [&] { cycle.push_back(sc.dev.s.modeNo); });
    }
    sc.sim.runUntil(kT0 + 10300);
    EXPECT_EQ(cycle, (std::vector<int>{1, 2, 3, 0}));
    sc.startButton();  // reads the record 170 back
    EXPECT_EQ(sc.dev.s.modeLimit, 3);
}

TEST(Measurement, UnlockMessageLeavesAWindowThatIsNotOnTopAlone) {
    RunScene sc;
    sc.dev.menu.choose("TOP_VIEW");  // off
    ASSERT_FALSE(sc.dev.menu.checked("TOP_VIEW"));
    sc.alternate(120);
    sc.finish();
    ASSERT_EQ(sc.unlockMessages(), 1);
    EXPECT_FALSE(sc.sim.alwaysOnTop);
}

TEST(Measurement, ANewRecordBlinksAndIsStoredAtOnceAnEqualOneDoesNeither) {
    {
        // Stored with a space so that any rewrite, even of the same number, would show.
        RunScene sc(" 50");
        sc.alternate(50);
        sc.finish();
        EXPECT_EQ(sc.dev.s.bestRecord, 50);
        EXPECT_FALSE(sc.dev.s.newRecordBlink);
        EXPECT_EQ(sc.dev.ScoreBlink->interval(), 0);
        EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), " 50");
    }
    {
        RunScene sc(" 50");
        sc.alternate(51);
        sc.finish();
        EXPECT_EQ(sc.dev.s.bestRecord, 51);
        EXPECT_TRUE(sc.dev.s.newRecordBlink);
        EXPECT_EQ(sc.dev.ScoreBlink->interval(), 450);
        EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "51");
        // START again: the blink stops, counts restart and the record is shown.
        sc.startButton();
        EXPECT_FALSE(sc.dev.s.newRecordBlink);
        EXPECT_EQ(sc.dev.ScoreBlink->interval(), 0);
        EXPECT_EQ(sc.dev.s.countTotal, 0);
        EXPECT_EQ(sc.display(), "__51|10");
        EXPECT_EQ(sc.dev.s.shootState, 1);
    }
}

TEST(Measurement, StartIsIgnoredWhileArmedOrMeasuring) {
    RunScene sc;
    sc.startButton();
    EXPECT_EQ(sc.dev.s.shootState, 1);
    sc.pressAt(kT0, VK_V);
    sc.pressAt(kT0 + 100, VK_C);
    sc.sim.at(kT0 + 200, [&] { sc.startButton(); });
    sc.pressAt(kT0 + 300, VK_V);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countTotal, 3);  // START did not reset the counts mid-run
}

TEST(Measurement, AfterTheRunSlotsAndTheRunMarkAreClearedAndReleasesLogged) {
    RunScene sc;
    sc.pressAt(kT0, VK_V, 20);
    sc.pressAt(kT0 + 250, VK_C, 30);
    sc.sim.at(kT0 + 9990, [&] { sc.keyDown(VK_V); });  // still held when the run ends
    int slotDuring = -1;
    bool markDuring = false;
    sc.sim.at(kT0 + 260, [&] {
        slotDuring = sc.dev.s.slotIndex;
        markDuring = sc.dev.log.showPrevious;
    });
    Millis releaseA, releaseB;
    sc.sim.at(kT0 + 300, [&] {
        releaseA = sc.dev.log.releaseTimeA[0];
        releaseB = sc.dev.log.releaseTimeB[0];
    });
    sc.finish();
    const auto& log = sc.dev.log;
    EXPECT_EQ(slotDuring, 2);
    EXPECT_TRUE(markDuring);
    EXPECT_FALSE(log.showPrevious);
    EXPECT_EQ(sc.dev.s.slotIndex, 0);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(log.slotCountA[i] + log.slotCountB[i], 0) << i;
    EXPECT_EQ(log.loggedReleasesA, 1);
    EXPECT_EQ(log.loggedReleasesB, 1);
    EXPECT_EQ(releaseA.ms(), 20);  // each release at its own time into the run
    EXPECT_EQ(releaseB.ms(), 280);
    EXPECT_EQ(log.releaseTimeA[1].ms(), 10000);  // the held A is released at the end
}

TEST(Measurement, SpeedGaugeSumsTheLastTenSlotsAndStopsAt84) {
    RunScene sc;
    for (int i = 0; i < 40; ++i) sc.pressAt(kT0 + i * 20, VK_V, 5);  // 50 per second on A alone
    double atSix = -1, atTop = -1;
    sc.sim.at(kT0 + 100, [&] { atSix = sc.dev.s.speedA; });  // right after the sixth press
    sc.sim.at(kT0 + 781, [&] { atTop = sc.dev.s.speedA; });
    sc.finish();
    EXPECT_DOUBLE_EQ(atSix, 3.0 * 6);
    EXPECT_LE(atTop, 84.0);
    EXPECT_GT(atTop, 80.0);
}

}  // namespace
}  // namespace tap::sim
