// Mode switching with SELECT: the cycle per unlocked modes, the marker, refusal during a run, key
// assignment order and the stored mode at start-up.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

// Presses SELECT `n` times as events 10 ms apart from `from` (mode 1 runs its clock inside SELECT) and
// reads the mode and the marker's left edge 5 ms after each. A sequence must not end in the clock.
struct Cycle {
    std::vector<int> modes;
    std::vector<int> markerLefts;
};
Cycle selectTimes(Scenario& sc, int n, double from = 100) {
    Cycle c;
    for (int i = 0; i < n; ++i) {
        sc.sim.at(from + 10 * i, [&sc] { sc.select(); });
        sc.sim.at(from + 10 * i + 5, [&sc, &c] {
            c.modes.push_back(sc.dev.s.modeNo);
            c.markerLefts.push_back(sc.dev.face[El::mode].pos.x);
        });
    }
    sc.sim.runUntil(from + 10 * n + 10);
    return c;
}

TEST(Modes, SelectCyclesThroughTheUnlockedModes) {
    struct Case {
        const char* record;
        std::vector<int> cycle;
    };
    const Case cases[] = {
        {"0", {1, 2, 0}},
        {"120", {1, 2, 3, 0}},
        {"160", {1, 2, 3, 4, 0}},
    };
    for (const auto& c : cases) {
        Scenario sc;
        sc.stored("MODE", "SHOOTING_MAX", c.record);
        ASSERT_TRUE(sc.start());
        const auto seen = selectTimes(sc, static_cast<int>(c.cycle.size()));
        EXPECT_EQ(seen.modes, c.cycle) << "record " << c.record;
        for (std::size_t i = 0; i < seen.modes.size(); ++i)
            EXPECT_EQ(seen.markerLefts[i], 233 + 19 * seen.modes[i]) << "record " << c.record;
    }
}

TEST(Modes, MarkerMovesByNinePixelsInTheCompactView) {
    Scenario sc;
    sc.stored("PANEL", "SIZE", "1");
    ASSERT_TRUE(sc.start());
    const auto seen = selectTimes(sc, 3);
    EXPECT_EQ(seen.markerLefts, (std::vector<int>{114 + 9, 114 + 18, 114}));
}

TEST(Modes, ShootingModeEntryShowsTheRecordWithBlankSmallDigits) {
    Scenario sc;
    sc.stored("MODE", "SHOOTING_MAX", "12345");  // shown capped at 9 999
    ASSERT_TRUE(sc.start());
    selectTimes(sc, 3);  // 1, 2, 3 (unlocked by the record), then back to 0 below
    selectTimes(sc, 2, 200);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
    EXPECT_EQ(sc.display(), "9999|__");
    EXPECT_FALSE(sc.dev.face.visible(El::dot));
    EXPECT_TRUE(sc.dev.face.visible(El::mode));
}

TEST(Modes, SelectIsRefusedDuringARunAndAcceptedRightAfter) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.startButton();
    sc.pressAt(100, VK_V);
    int during = -1, stateDuring = -1;
    sc.sim.at(5000, [&] {
        sc.select();
        during = sc.dev.s.modeNo;
        stateDuring = sc.dev.s.shootState;
    });
    int after = -1;
    sc.sim.at(10102, [&] { sc.select(); });  // the run ended at 10 101
    sc.sim.at(10110, [&] { after = sc.dev.s.modeNo; });
    sc.sim.at(10120, [&] { sc.select(); });  // leave the clock
    sc.sim.runUntil(10200);
    EXPECT_EQ(during, 0);
    EXPECT_EQ(stateDuring, 2);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(sc.dev.s.shootState, 0);  // entering the clock made the run idle
}

TEST(Modes, TwoFaceButtonsOnOneKeyActAsTheFirstOfSelectStartBA) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    auto& k = sc.dev.s.keys;
    k.keyCodeStart = k.keyCodeA;  // START and A on V
    sc.tap(VK_V);
    EXPECT_EQ(sc.dev.s.shootState, 1);  // START armed the run
    sc.tap(VK_V);
    EXPECT_EQ(sc.dev.s.shootState, 1);  // and A never counts
    EXPECT_EQ(sc.dev.s.countA, 0);

    k.keyCodeSelect = k.keyCodeB;  // SELECT and B on C
    sc.sim.at(100, [&] { sc.tap(VK_C); });
    sc.sim.at(105, [&] { EXPECT_EQ(sc.dev.s.modeNo, 1); });
    sc.sim.at(110, [&] { sc.tap(VK_C); });
    sc.sim.runUntil(120);
    EXPECT_EQ(sc.dev.s.modeNo, 2);
    EXPECT_EQ(sc.dev.s.alarmField, 0);  // B in clock mode never ran
}

TEST(Modes, AKeyAssignedToNoFaceButtonDoesNothing) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.tap(VK_A);
    sc.tap(0);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
    EXPECT_EQ(sc.dev.s.shootState, 0);
    EXPECT_EQ(sc.display(), "___0|__");
}

TEST(Modes, StoredModeIsEnteredThroughTheNormalEntry) {
    struct Case {
        const char* mode;
        const char* record;
        int entered;
    };
    const Case cases[] = {
        {"2", "100", 2},  // reachable
        {"3", "100", 0},  // not unlocked: shooting
        {"3", "130", 3},
        {"-5", "100", 0},  // nonsense
    };
    for (const auto& c : cases) {
        Scenario sc;
        sc.stored("MODE", "SELECT", c.mode);
        sc.stored("MODE", "SHOOTING_MAX", c.record);
        ASSERT_TRUE(sc.start());
        EXPECT_EQ(sc.dev.s.modeNo, c.entered) << "stored " << c.mode << " record " << c.record;
        EXPECT_EQ(sc.dev.face[El::mode].pos.x, 233 + 19 * c.entered);
    }
}

TEST(Modes, EnteringModeTwoShowsTheStopwatchAndModeThreeTheReels) {
    Scenario sc;
    sc.stored("MODE", "SHOOTING_MAX", "130");
    ASSERT_TRUE(sc.start());
    selectTimes(sc, 2);  // clock, then stopwatch
    EXPECT_EQ(sc.dev.s.watchIsStopwatch, 1);
    EXPECT_FALSE(sc.dev.face.visible(El::alarm_icon));
    EXPECT_FALSE(sc.dev.s.clockLoopRunning);
    selectTimes(sc, 1, 200);
    EXPECT_EQ(sc.dev.s.modeNo, 3);
    EXPECT_EQ(sc.display(), "_000|__");
    EXPECT_EQ(sc.dev.s.slotRunning, 0);
}

}  // namespace
}  // namespace tap::sim
