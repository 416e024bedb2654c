// Mode 4: the explosion game's runs on virtual time, with every change of its windows recorded.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/appearance/explosion_path.h"
#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

using W = SecondaryWindow;

struct Change {
    double ms;
    W window;
    WindowModel model;
};

struct ExplosionScenario : ::testing::Test {
    Scenario sc;
    std::vector<Change> changes;
    static constexpr double kStart = 100;      // START of the first run
    static constexpr Point kCentre{444, 316};  // a 136 x 136 panel centred on 1024 x 768

    void SetUp() override {
        ASSERT_TRUE(sc.startIn(4, 200));
        ASSERT_EQ(sc.dev.s.modeNo, 4);
        sc.dev.windows.onChange = [this](W w) {
            changes.push_back({sc.sim.elapsedMs(), w, sc.dev.windows[w]});
        };
    }
    const WindowModel& window(W w) const { return sc.dev.windows[w]; }
    void at(double t, std::function<void()> f) { sc.sim.at(t, std::move(f)); }
    // Presses alternately A and B, `n` times, `gapMs` apart from `from`.
    void presses(double from, int n, double gapMs = 40) {
        for (int i = 0; i < n; ++i) sc.pressAt(from + gapMs * i, i % 2 ? VK_C : VK_V);
    }
    // The first time a window became visible, or shows the given picture, after `from`.
    std::optional<Change> first(W w, auto&& test, double from = 0) const {
        for (const auto& c : changes)
            if (c.window == w && c.ms >= from && test(c.model)) return c;
        return std::nullopt;
    }
    static bool shown(const WindowModel& m) { return m.visible; }
    static bool hidden(const WindowModel& m) { return !m.visible; }
    static auto showing(int picture) {
        return [picture](const WindowModel& m) { return m.visible && m.picture.id.index == picture; };
    }
    template <typename F>
    auto record(double t, F read) {
        auto out = std::make_shared<decltype(read())>();
        at(t, [out, read] { *out = read(); });
        return out;
    }
};

TEST_F(ExplosionScenario, EarlyPressesRaiseTheTargetAndTheCountStopsAtIt) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 500, 3);
    const auto early = record(kStart + 1000, [this] { return sc.display(); });
    presses(kStart + 2600, 20, 30);  // 19 reach the target, one more is not counted
    sc.sim.runUntil(kStart + 4000);
    EXPECT_EQ(*early, "___0|19");
    EXPECT_EQ(sc.dev.s.blastTarget, 19);
    EXPECT_EQ(sc.dev.s.blastCount, 19);
    EXPECT_EQ(sc.display(), "__19|19");
    EXPECT_EQ(sc.dev.s.blastPhase, 2);
}

TEST_F(ExplosionScenario, SixteenPressesInTheLastLegSetOffTheExplosion) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 17);
    const auto busy = record(kStart + 3210, [this] { return sc.dev.s.explosionBusy; });
    sc.sim.runUntil(kStart + 4000);
    EXPECT_EQ(*busy, 0) << "the success ends the movement";
    EXPECT_EQ(sc.dev.s.blastCount, 16) << "the 17th press is not counted";
    const auto opened = first(W::EXPROSE, shown);
    ASSERT_TRUE(opened);
    // The 16th press came at 2600 + 15 x 40 ms after START.
    EXPECT_NEAR(opened->ms, kStart + 3200, 3);
    EXPECT_TRUE(first(W::EXPROSE2, shown));
    EXPECT_TRUE(first(W::s80000, shown));
}

TEST_F(ExplosionScenario, TooFewPressesLetThePanelsMeetAtTheCentreAndStay) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 15);
    const auto busyBefore = record(kStart + 3790, [this] { return sc.dev.s.explosionBusy; });
    sc.sim.runUntil(kStart + 6000);
    EXPECT_EQ(*busyBefore, -1);
    EXPECT_EQ(sc.dev.s.explosionBusy, 0);
    for (W w : kPanelWindows) {
        EXPECT_TRUE(window(w).visible);
        EXPECT_EQ(window(w).pos, kCentre);
    }
    const auto met = first(W::VELMIN_4, [](const WindowModel& m) { return m.pos == kCentre; });
    ASSERT_TRUE(met);
    EXPECT_NEAR(met->ms, kStart + 3800, 1.5);
    for (W w : {W::EXPROSE, W::EXPROSE2, W::s80000}) EXPECT_FALSE(first(w, shown)) << static_cast<int>(w);
}

TEST_F(ExplosionScenario, FramesFollowAtTheirTimesWhereThePanelsStopped) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 16, 20);
    sc.sim.runUntil(kStart + 8000);
    const auto flash = first(W::EXPROSE, showing(pics::Explosion0));
    ASSERT_TRUE(flash);
    const double t = flash->ms;
    // The panels vanish with the first frame, which opens where panels 1 and 3 stopped.
    const auto gone = first(W::VELMIN_1, hidden, kStart + 1);
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->ms, t);
    EXPECT_EQ(flash->model.pos, gone->model.pos);
    EXPECT_EQ(window(W::EXPROSE2).pos, window(W::VELMIN_3).pos);
    EXPECT_NE(window(W::VELMIN_1).pos, kCentre) << "the panels stopped on their way";
    for (int frame = 1; frame <= 3; ++frame) {
        const auto next = first(W::EXPROSE, showing(pics::Explosion0 + frame));
        ASSERT_TRUE(next) << frame;
        EXPECT_NEAR(next->ms - t, 120 * frame, 2) << frame;
        EXPECT_TRUE(first(W::EXPROSE2, showing(pics::Explosion0 + frame))) << frame;
    }
    const auto closed = first(W::EXPROSE, hidden, t + 1);
    ASSERT_TRUE(closed);
    EXPECT_NEAR(closed->ms - t, 480, 2);
    EXPECT_FALSE(window(W::EXPROSE2).visible);
    const auto bonus = first(W::s80000, shown);
    const auto bonusGone = first(W::s80000, hidden, t + 1);
    ASSERT_TRUE(bonus && bonusGone);
    EXPECT_EQ(bonus->ms, t);
    EXPECT_NEAR(bonusGone->ms - t, 3000, 2);
    // Bonus: centred across the screen, its top 300 px above the centre point.
    EXPECT_EQ(bonus->model.pos, (Point{(1024 - 164) / 2, kCentre.y - 300}));
    EXPECT_FALSE(window(W::VELMIN_1).visible);
}

TEST_F(ExplosionScenario, SelectAndStartWaitWhileThePanelsMove) {
    at(kStart, [this] { sc.startButton(); });
    at(kStart + 1000, [this] {
        sc.select();
        sc.startButton();
    });
    const auto duringRun = record(kStart + 1010, [this] {
        return std::pair{sc.dev.s.modeNo, sc.dev.face.visible(El::t10)};
    });
    sc.sim.runUntil(kStart + 4000);
    EXPECT_EQ(duringRun->first, 4);
    // One run only: the panels went to the centre once.
    int meetings = 0;
    for (const auto& c : changes) meetings += c.window == W::VELMIN_1 && c.model.pos == kCentre;
    EXPECT_EQ(meetings, 1);
}

TEST_F(ExplosionScenario, ANewRunDuringTheExplosionLetsTheOlderOneFinish) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 16, 20);
    double success = 0;
    at(kStart + 3100, [this, &success] {
        success = first(W::EXPROSE, shown)->ms;
        sc.startButton();  // about 200 ms into the blast
    });
    const auto newRun = record(kStart + 3150, [this] {
        return std::tuple{sc.dev.s.explosionBusy, sc.display(), window(W::VELMIN_2).visible,
                          window(W::s80000).visible};
    });
    sc.sim.runUntil(kStart + 9000);
    EXPECT_EQ(*newRun, std::make_tuple(i16{-1}, std::string("___0|16"), true, false));
    const auto lastFrame = first(W::EXPROSE, showing(pics::Explosion0 + 3));
    ASSERT_TRUE(lastFrame);
    EXPECT_NEAR(lastFrame->ms - success, 360, 2) << "the older blast plays on time";
    // The new run closed the explosion windows; the older blast's next frame opened them again.
    EXPECT_NEAR(first(W::EXPROSE, hidden, success + 400)->ms - success, 480, 2);
    // The older blast leaves the new run's panels alone; they meet at the centre.
    for (const auto& c : changes) {
        if (c.ms > kStart + 3100 && c.window == W::VELMIN_1) {
            EXPECT_TRUE(c.model.visible) << c.ms;
        }
    }
    EXPECT_EQ(window(W::VELMIN_1).pos, kCentre);
    EXPECT_EQ(sc.dev.s.explosionBusy, 0);
}

TEST_F(ExplosionScenario, LeavingTheModeClosesEveryGameWindow) {
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 16, 20);
    at(kStart + 3100, [this] { sc.select(); });  // to mode 0 while the bonus shows
    sc.sim.runUntil(kStart + 8000);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
    for (int i = 0; i < static_cast<int>(W::Count); ++i) EXPECT_FALSE(window(static_cast<W>(i)).visible) << i;
    EXPECT_LT(changes.back().ms, kStart + 3101) << "nothing of the game plays on";
}

TEST_F(ExplosionScenario, WindowsGoToTheScreenTheDeviceIsOnAndFocusReturnsToTheDevice) {
    sc.sim.screenOrigin = {1024, 0};
    sc.sim.screen = {1280, 1024};
    const int focusBefore = sc.sim.focusCount;
    at(kStart, [this] { sc.startButton(); });
    presses(kStart + 2600, 16, 20);
    sc.sim.runUntil(kStart + 5000);
    const Point centre{1024 + (1280 - 136) / 2, (1024 - 136) / 2};
    const auto started = first(W::VELMIN_1, shown);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->model.pos, (Point{centre.x - 400, centre.y - 400}));
    EXPECT_EQ(window(W::s80000).pos, (Point{1024 + (1280 - 164) / 2, centre.y - 300}));
    // After the panels are shown, and after the bonus and each of the four frames.
    EXPECT_EQ(sc.sim.focusCount - focusBefore, 1 + 1 + 4);
}

TEST(ExplosionPath, ThreeLegsAndAHoldToTheCentre) {
    const Point c{444, 316};
    auto at = [c](double ms) { return explosion::panelsAt(Millis::fromMsDouble(ms), c); };
    const auto start = at(0);
    EXPECT_EQ(start.panels[0], (Point{44, -84}));
    EXPECT_EQ(start.panels[1], (Point{844, -84}));
    EXPECT_EQ(start.panels[2], (Point{44, 716}));
    EXPECT_EQ(start.panels[3], (Point{844, 716}));
    EXPECT_EQ(at(500).panels[0], (Point{44, -34}));
    EXPECT_EQ(at(500).panels[3], (Point{844, 666}));
    EXPECT_EQ(at(1500).panels[0], (Point{44, 16}));   // hold
    EXPECT_EQ(at(2250).panels[0], (Point{244, 16}));  // leg 2, half way
    EXPECT_EQ(at(2250).panels[1], (Point{644, 16}));
    EXPECT_EQ(at(3150).panels[0], (Point{444, 166}));  // leg 3, half way
    EXPECT_EQ(at(3150).panels[2], (Point{444, 466}));
    for (double ms : {0.0, 1999.0, 2499.0}) EXPECT_EQ(at(ms).phase, 0) << ms;
    for (double ms : {2500.0, 3799.0}) EXPECT_EQ(at(ms).phase, 1) << ms;
    EXPECT_FALSE(at(3799.9).met);
    const auto end = at(3800);
    EXPECT_TRUE(end.met);
    EXPECT_EQ(end.phase, 2);
    for (const auto& p : end.panels) EXPECT_EQ(p, c);
}

}  // namespace
}  // namespace tap::sim
