// The press log behind the analyzer, and the device's calls into the analyzer around a run.
#include <gtest/gtest.h>

#include "tests/support/analyzer_scene.h"

namespace tap::sim {
namespace {

TEST(PressLog, EveryPressIsLoggedWithItsTimeTheFirstAtZero) {
    AnalyzerScene sc;
    sc.startButton();
    sc.pressAt(500, VK_V, 30);   // starts the run, whatever the clock says: time 0
    sc.pressAt(750, VK_C, 40);   // B, 250 ms in
    sc.pressAt(1600, VK_V, 10);  // A, 1 100 ms in
    sc.sim.runUntil(10700);
    const auto& log = sc.log();
    ASSERT_EQ(log.loggedPressesA, 2);
    ASSERT_EQ(log.loggedPressesB, 1);
    EXPECT_EQ(log.pressTimeA[0].ms(), 0);
    EXPECT_EQ(log.pressTimeA[1].ms(), 1100);
    EXPECT_EQ(log.pressTimeB[0].ms(), 250);
    EXPECT_EQ(log.pressTimeAll[2].ms(), 250);
    EXPECT_EQ(log.pressKind[1], 1);
    EXPECT_EQ(log.pressKind[2], 0);
    EXPECT_EQ(log.pressKind[3], 1);
    EXPECT_EQ(log.releaseTimeA[0].ms(), 30);
    EXPECT_EQ(log.releaseTimeB[0].ms(), 290);
    EXPECT_EQ(log.releaseTimeA[1].ms(), 1110);
}

TEST(PressLog, WithTheAnalyzerClosedOnlyCountsAndReleasesAreKept) {
    AnalyzerScene sc(false);
    sc.run({3, 2});
    const auto& log = sc.log();
    EXPECT_EQ(log.secondCountA[0] + log.secondCountB[0], 3);
    EXPECT_EQ(log.secondCountAB[1], 2);
    EXPECT_EQ(log.loggedPressesA + log.loggedPressesB, 0);
    EXPECT_EQ(log.loggedReleasesA + log.loggedReleasesB, 5);
    EXPECT_EQ(log.prevState, 0);  // a run without the analyzer does not count as a previous run
}

TEST(PressLog, TwentyEightPressesInASecondReachTheTopLevel) {
    AnalyzerScene sc;
    sc.startButton();
    std::vector<double> levels;
    for (int i = 0; i < 30; ++i) {
        sc.pressAt(100 + 30 * i, VK_V, 2);
        sc.sim.at(100 + 30 * i, [&] { levels.push_back(sc.dev.s.speedA); });  // right after the press
    }
    sc.sim.runUntil(10500);
    EXPECT_EQ(levels[0], 0);  // the loop starts its meter from zero after the first press
    EXPECT_EQ(levels[26], 81);
    EXPECT_EQ(levels[27], 84);  // the 28th press
    EXPECT_EQ(levels[28], 84);
    EXPECT_EQ(levels[29], 84);
}

TEST(PressLog, AveragesArePressesPerSecondSoFarAndBecomeThePreviousOnes) {
    AnalyzerScene sc;
    sc.run({10, 5, 6, 0, 0, 0, 0, 0, 0, 1});
    const auto& log = sc.log();
    EXPECT_EQ(log.avgCountAB[0], 10);
    EXPECT_EQ(log.avgCountAB[1], 8);  // 15 / 2 = 7.5, rounded up
    EXPECT_EQ(log.avgCountAB[2], 7);
    EXPECT_EQ(log.avgCountAB[9], 2);  // 22 / 10
    EXPECT_EQ(log.avgCountA[0], 5);
    sc.startButton();
    EXPECT_EQ(log.prevAvgCountAB[1], 8);
    EXPECT_EQ(log.prevSecondCountAB[2], 6);
}

TEST(PressLog, PreviousSeriesAreKeptOnlyOnceTheAnalyzerHasBeenLoaded) {
    AnalyzerScene sc(false);
    sc.run({4});
    sc.startButton();  // readying without the analyzer ever loaded copies nothing
    EXPECT_EQ(sc.log().prevSecondCountAB[0], 0);
    sc.open();
    sc.run({6});  // the first run with the analyzer: nothing to keep yet
    EXPECT_EQ(sc.log().prevSecondCountAB[0], 0);
    EXPECT_EQ(sc.log().prevState, 1);
    sc.startButton();
    EXPECT_EQ(sc.log().prevSecondCountAB[0], 6);
    EXPECT_EQ(sc.log().loggedPressesA + sc.log().loggedPressesB, 0);  // the time lists start again
}

TEST(PressLog, AReleaseOfAKeyHeldFromBeforeTheRunIsNotTakenForAPress) {
    AnalyzerScene sc;
    sc.keyDown(VK_C);  // B held down while readying
    sc.startButton();
    sc.pressAt(100, VK_V, 5);  // the run starts with A
    sc.sim.at(200, [&] { sc.keyUp(VK_C); });
    sc.pressAt(400, VK_C, 20);  // the first counted B
    sc.sim.runUntil(10300);
    ASSERT_EQ(sc.log().loggedReleasesB, 1);
    EXPECT_EQ(sc.log().releaseTimeB[0].ms(), 320);  // the release of that press, not of the held key
}

TEST(PressLog, FullListsLogNothingMoreAndNothingOverruns) {
    PressLog log;
    log.loggedPressesA = PressLog::kListSize - 1;
    EXPECT_TRUE(log.logPressTime(PressKind::A, 9999, Millis::fromMs(1)));
    EXPECT_FALSE(log.logPressTime(PressKind::A, 9999, Millis::fromMs(2)));
    EXPECT_FALSE(log.logPressTime(PressKind::B, PressLog::kListSize, Millis::fromMs(3)));
    log.loggedReleasesB = PressLog::kListSize;
    log.logRelease(PressKind::B, Millis::fromMs(4), 32767);
    EXPECT_EQ(log.loggedReleasesB, PressLog::kListSize);
    log.secondCountA[0] = 32767;
    log.countPress(PressKind::A, 100, 0);
    EXPECT_EQ(log.secondCountA[0], 32767);
    EXPECT_EQ(log.slotCountA[100], 1);
    log.closeRun();  // sentinels past the end of a full list are left out
    EXPECT_EQ(log.releaseTimeA[PressLog::kListSize - 1].ms(), 0);
}

TEST(AnalyzerHooks, TheMenuEntryIsOffDuringARunAndWhileTheAnalyzerIsOpen) {
    AnalyzerScene sc(false);
    auto enabledOnRightClick = [&] {
        sc.dev.mouse.mouseUp(El::Image1, {kRightButton, {0, 0}});
        return sc.dev.menu.item("ANALIZER").enabled;
    };
    EXPECT_TRUE(enabledOnRightClick());
    sc.startButton();
    bool duringRun = true;
    sc.pressAt(100, VK_V);
    sc.sim.at(500, [&] {
        sc.dev.analyzer.updateMenu();
        duringRun = sc.dev.menu.item("ANALIZER").enabled;
    });
    sc.sim.runUntil(10300);
    EXPECT_FALSE(duringRun);
    EXPECT_TRUE(enabledOnRightClick());
    sc.open();
    EXPECT_FALSE(enabledOnRightClick());
    sc.window().CB2_Click();
    EXPECT_TRUE(enabledOnRightClick());
}

TEST(AnalyzerHooks, TheStatusPictureFollowsTheRun) {
    AnalyzerScene sc(false);
    int inClock = -1, focusGiven = 0;
    sc.sim.at(100, [&] {
        sc.open();  // opened while the clock runs
        inClock = sc.window().status().index;
        focusGiven = sc.sim.focusCount;
        sc.select();
        sc.select();  // back to shooting, past the stopwatch
    });
    sc.select();  // the clock runs until the mode changes
    EXPECT_EQ(inClock, pics::StatusStandby);
    EXPECT_EQ(focusGiven, 1);  // the keys go back to the device
    EXPECT_TRUE(sc.window().visible());
    sc.startButton();
    EXPECT_EQ(sc.window().status().index, pics::StatusArmed);
    int during = -1;
    bool pagesDuring = true;
    sc.pressAt(sc.sim.elapsedMs() + 50, VK_V);
    sc.sim.at(sc.sim.elapsedMs() + 500, [&] {
        during = sc.window().status().index;
        pagesDuring = sc.window().pageButtonsEnabled();
    });
    sc.sim.runFor(10500);
    EXPECT_EQ(during, pics::StatusMeasuring);
    EXPECT_FALSE(pagesDuring);
    EXPECT_EQ(sc.window().status().index, pics::StatusFinished);
    EXPECT_TRUE(sc.window().pageButtonsEnabled());
    int afterLeaving = -1;
    sc.sim.at(sc.sim.elapsedMs() + 10, [&] {
        afterLeaving = sc.window().status().index;
        sc.select();
    });
    sc.select();  // into the clock: standing by again
    EXPECT_EQ(afterLeaving, pics::StatusStandby);
}

TEST(AnalyzerHooks, ClosingTheAnalyzerStopsTheLiveDrawing) {
    AnalyzerScene sc;
    sc.startButton();
    sc.pressAt(100, VK_V);
    sc.sim.at(2500, [&] { sc.window().CB2_Click(); });
    std::size_t callsAtClose = 0;
    sc.sim.at(2501, [&] { callsAtClose = sc.canvas().calls.size(); });
    sc.pressAt(3000, VK_C);
    sc.sim.runUntil(10300);
    EXPECT_FALSE(sc.dev.s.analyzerOn);
    EXPECT_FALSE(sc.window().visible());
    EXPECT_EQ(sc.canvas().calls.size(), callsAtClose);  // no graph, meter or chart drawing after it
    EXPECT_EQ(sc.dev.s.countTotal, 2);                  // the run itself goes on
    EXPECT_EQ(sc.log().loggedPressesB, 0);
}

}  // namespace
}  // namespace tap::sim
