// The clock on scripted times of day: the four styles, the koro blink, the loop's sleep and its
// bounded nesting.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

constexpr const char* kStyleItems[] = {"CLOCK_24", "CLOCK_12", "CLOCK_24_ABOUT", "CLOCK_12_ABOUT"};

// A started device in mode 0 whose clock is entered by SELECT at virtual time 10 ms. Everything the test
// schedules runs inside the clock loop; `leaveAt` ends the loop with SELECT so runFor returns.
struct ClockScene : Scenario {
    ClockScene(TimeOfDay tod, int style) {
        start();
        dev.menu.choose(kStyleItems[style]);
        sim.setTimeOfDay(tod);
        sim.at(10, [this] { select(); });
    }
    void leaveAt(double ms) { sim.at(ms, [this] { select(); }); }
    std::string displayAt(double ms) {
        std::string seen;
        sim.at(ms, [this, &seen] { seen = display(); });
        leaveAt(ms + 1);
        sim.runUntil(ms + 2);
        return seen;
    }
};

struct StyleCase {
    TimeOfDay tod;
    int style;
    const char* shown;
};

TEST(Clock, ShowsTheTimeOfDayInEachStyle) {
    const StyleCase cases[] = {
        {{13, 7, 42}, 0, "1307|42"},  // 24 h with seconds
        {{9, 5, 3}, 0, "_905|03"},    // a leading hour 0 is blank
        {{13, 7, 42}, 1, "_107|42"},  // 12 h
        {{12, 30, 0}, 1, "_030|00"},  // noon reads 0
        {{0, 15, 9}, 1, "_015|09"},   // so does midnight
        {{14, 29, 59}, 2, "1400|kK"}, // koro: to the half hour, glyphs for the seconds
        {{14, 30, 0}, 2, "1430|kK"},
        {{13, 40, 0}, 3, "_130|kK"},  // koro 12 h
        {{23, 59, 0}, 3, "1130|kK"},
    };
    for (const auto& c : cases) {
        ClockScene sc(c.tod, c.style);
        EXPECT_EQ(sc.displayAt(20), c.shown) << c.tod.hour << ':' << c.tod.minute << " style " << c.style;
        EXPECT_TRUE(sc.dev.face.visible(El::dot));
    }
}

TEST(Clock, FollowsTheTimeAsItPasses) {
    ClockScene sc({13, 59, 59}, 0);
    EXPECT_EQ(sc.displayAt(1500), "1400|00");
}

TEST(Clock, KoroGlyphsBlinkAndANormalStyleBringsTheSecondsBackAtOnce) {
    ClockScene sc({14, 29, 0}, 2);
    std::string hidden, normal;
    sc.sim.at(500, [&] { hidden = sc.display(); });  // after the first 450 ms tick
    sc.sim.at(501, [&] {
        sc.dev.menu.choose("CLOCK_24");
        normal = sc.display();
    });
    sc.sim.at(560, [&] { normal = sc.display(); });
    sc.leaveAt(1400);
    sc.sim.runUntil(1500);
    EXPECT_EQ(hidden, "1400|  ");
    EXPECT_EQ(normal, "1429|00");
    EXPECT_EQ(sc.dev.KoroBlink->interval(), 0);
    EXPECT_TRUE(sc.dev.menu.checked("CLOCK_24"));
    EXPECT_FALSE(sc.dev.menu.checked("CLOCK_24_ABOUT"));
}

TEST(Clock, AStyleChosenInAnotherModeWaitsForTheClock) {
    ClockScene sc({8, 45, 0}, 0);
    sc.sim.at(20, [&] { sc.select(); });  // to mode 2: the clock loop ends
    sc.sim.at(30, [&] { sc.dev.menu.choose("CLOCK_12_ABOUT"); });
    std::string stopwatch = "?";
    sc.sim.at(40, [&] { stopwatch = sc.display(); });
    sc.sim.at(50, [&] { sc.select(); });  // mode 0
    sc.sim.at(60, [&] { sc.select(); });  // mode 1 again
    EXPECT_EQ(sc.displayAt(100), "_830|kK");
    EXPECT_EQ(stopwatch, "0000|00");
    EXPECT_EQ(sc.dev.s.modeNo, 2);
}

TEST(Clock, LoopSleepsBetweenPasses) {
    ClockScene sc({10, 0, 0}, 0);
    Millis wait;
    int yieldsBefore = 0;
    sc.sim.at(1000, [&] { yieldsBefore = sc.sim.yieldCount; });
    sc.sim.at(2000, [&] { wait = sc.sim.lastMaxWait; });
    sc.leaveAt(2001);
    sc.sim.runUntil(2010);
    EXPECT_GE(wait, 20);
    EXPECT_LE(wait, 100);  // keys still feel immediate when they do not wake the pump
    EXPECT_GT(sc.sim.yieldCount, yieldsBefore);
}

TEST(Clock, TenThousandReleasesOfBDoNotNestClockLoops) {
    ClockScene sc({10, 0, 0}, 0);
    int depth = 0, deepest = 0, done = 0;
    std::function<void()> pressB = [&] {
        deepest = std::max(deepest, ++depth);
        // A nested loop would deliver the next press from inside this one; it is not pressed again then.
        if (depth == 1) sc.tap(sc.dev.s.keys.keyCodeB);
        --depth;
        if (++done < 10000) sc.sim.at(sc.sim.elapsedMs() + 1, pressB);
    };
    sc.sim.at(20, pressB);
    EXPECT_EQ(sc.displayAt(10100), "1000|10");
    EXPECT_EQ(done, 10000);
    EXPECT_EQ(deepest, 1);
}

TEST(Clock, EndsWhenTheProgramShutsDown) {
    ClockScene sc({10, 0, 0}, 0);
    sc.sim.at(100, [&] { sc.dev.lifecycle.Form_Unload(0); });
    sc.sim.runUntil(200);
    EXPECT_EQ(sc.sim.quitCode, 0);
    EXPECT_EQ(sc.storedValue("MODE", "SELECT"), "1");
}

}  // namespace
}  // namespace tap::sim
