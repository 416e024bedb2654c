// Mode 3: the slot reels on virtual time. A game runs inside the START handler, so every action and
// reading is scheduled before the simulation runs.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

using Readings = std::shared_ptr<std::vector<std::string>>;

struct SlotScenario : ::testing::Test {
    Scenario sc;
    void SetUp() override {
        ASSERT_TRUE(sc.startIn(3, 130));
        ASSERT_EQ(sc.dev.s.modeNo, 3);
    }
    // The four large digits every 10 ms from `from` to `to`.
    Readings watch(double from, double to) {
        auto seen = std::make_shared<std::vector<std::string>>();
        for (double t = from; t < to; t += 10) sc.sim.at(t, [this, seen] { seen->push_back(reels()); });
        return seen;
    }
    // Presses A at the given times; returns what the digits showed as each press arrived.
    Readings pressA(std::initializer_list<double> times) {
        auto shown = std::make_shared<std::vector<std::string>>();
        for (double t : times)
            sc.sim.at(t, [this, shown] {
                shown->push_back(reels());
                sc.tap(VK_V);
            });
        return shown;
    }
    void at(double t, std::function<void()> f) { sc.sim.at(t, std::move(f)); }
    std::string reels() const { return sc.display().substr(0, 4); }
};

std::map<int, std::set<char>> symbolsPerReel(const std::vector<std::string>& readings) {
    std::map<int, std::set<char>> out;
    for (const auto& d : readings)
        for (int p = 0; p < 4; ++p) out[p].insert(d[static_cast<std::size_t>(p)]);
    return out;
}

TEST_F(SlotScenario, ThreeReelsSpinDiceFacesAndStopOneByOneOnWhatTheyShow) {
    at(100, [this] { sc.startButton(); });
    const auto spinning = watch(105, 600);
    const auto shown = pressA({600, 700, 800});
    const auto after = watch(900, 1200);
    sc.sim.runUntil(1200);

    auto symbols = symbolsPerReel(*spinning);
    EXPECT_EQ(symbols[0], std::set<char>{'_'});
    for (int p = 1; p < 4; ++p) EXPECT_EQ(symbols[p], (std::set<char>{'1', '2', '3', '4', '5', '6'})) << p;
    EXPECT_EQ(sc.dev.s.slotRunning, 0);
    EXPECT_EQ(sc.dev.s.slotStops, 4);
    const std::string result = reels();
    ASSERT_EQ(shown->size(), 3u);
    EXPECT_EQ((*shown)[0][1], result[1]);
    EXPECT_EQ((*shown)[1][2], result[2]);
    EXPECT_EQ((*shown)[2][3], result[3]);
    for (const auto& d : *after) EXPECT_EQ(d, result);
}

TEST_F(SlotScenario, AtAnyMomentAStopsTheReelOnTheSymbolItShows) {
    // Presses at every millisecond of the 25 ms step, over thirty games.
    std::vector<std::pair<Readings, std::shared_ptr<std::string>>> games;
    for (int k = 0; k < 30; ++k) {
        const double t = 100 + 1000.0 * k;
        at(t, [this] { sc.startButton(); });
        auto result = std::make_shared<std::string>();
        games.emplace_back(pressA({t + 200 + k, t + 300 + k, t + 400 + k}), result);
        at(t + 600, [this, result] { *result = reels(); });
    }
    sc.sim.runUntil(31000);
    for (const auto& [shown, result] : games) {
        ASSERT_EQ(shown->size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ((*shown)[i][i + 1], (*result)[i + 1]) << *result;
    }
}

TEST_F(SlotScenario, FourReelsSpinDigitsAndNeedFourPresses) {
    at(100, [this] { sc.tap(VK_C); });  // B: four reels
    at(110, [this] { EXPECT_EQ(sc.display(), "0000|__"); });
    at(200, [this] { sc.startButton(); });
    const auto spinning = watch(205, 700);
    pressA({700, 750, 800, 1000});
    const auto lastReel = watch(850, 1000);
    auto running = std::make_shared<int>(-1);
    at(990, [this, running] { *running = sc.dev.s.slotRunning; });
    sc.sim.runUntil(1100);

    for (const auto& [p, symbols] : symbolsPerReel(*spinning)) EXPECT_EQ(symbols.size(), 10u) << p;
    EXPECT_EQ(*running, 1) << "three presses leave the last reel spinning";
    EXPECT_NE(lastReel->front()[3], lastReel->back()[3]);
    EXPECT_EQ(sc.dev.s.slotRunning, 0);
}

TEST_F(SlotScenario, PressesOutsideTheirTimeAreIgnored) {
    at(100, [this] { sc.startButton(); });
    pressA({200});
    at(250, [this] {
        sc.tap(VK_C);  // B during the game
        EXPECT_EQ(sc.dev.s.slotReels, 3);
        sc.startButton();  // START during the game
        EXPECT_EQ(sc.dev.s.slotStops, 2);
        EXPECT_EQ(sc.dev.s.slotRunning, 1);
    });
    pressA({300, 400});
    auto result = std::make_shared<std::string>();
    at(500, [this, result] { *result = reels(); });
    pressA({600, 700});  // after the game
    const auto after = watch(550, 900);
    sc.sim.runUntil(900);

    for (const auto& d : *after) EXPECT_EQ(d, *result);
    EXPECT_EQ(sc.dev.s.slotStops, 4);
}

TEST_F(SlotScenario, StartAfterAGameBeginsANewOne) {
    at(100, [this] { sc.startButton(); });
    pressA({200, 210, 220});
    at(300, [this] { sc.startButton(); });
    auto state = std::make_shared<std::pair<int, int>>();
    at(400, [this, state] { *state = {sc.dev.s.slotRunning, sc.dev.s.slotStops}; });
    pressA({500, 510, 520});
    sc.sim.runUntil(600);
    EXPECT_EQ(*state, (std::pair<int, int>{1, 1}));
    EXPECT_EQ(sc.dev.s.slotRunning, 0);
}

TEST_F(SlotScenario, LeavingTheModeEndsTheGameAndBringsBackThreeReels) {
    at(100, [this] { sc.tap(VK_C); });
    at(200, [this] { sc.startButton(); });
    at(400, [this] { sc.select(); });  // to mode 0: mode 4 is not unlocked
    auto shooting = std::make_shared<std::string>();
    at(450, [this, shooting] { *shooting = reels(); });
    const auto after = watch(460, 600);
    for (double t : {700, 710, 720}) at(t, [this] { sc.select(); });  // 1, 2, 3
    sc.sim.runUntil(800);

    for (const auto& d : *after) EXPECT_EQ(d, *shooting) << "no reel is drawn any more";
    ASSERT_EQ(sc.dev.s.modeNo, 3);
    EXPECT_EQ(sc.dev.s.slotReels, 3);
    EXPECT_EQ(sc.display(), "_000|__");
}

TEST(SlotSymbols, StartSymbolsAreUniformAndStepsWrap) {
    std::map<int, int> dice, digits;
    for (int i = 0; i < 60; ++i) {
        const double r = (i + 0.5) / 60.0;
        ++dice[SlotGame::startSymbol(r, 6)];
        ++digits[SlotGame::startSymbol(r, 9)];
    }
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(dice[v], 10) << v;
    for (int v = 0; v <= 9; ++v) EXPECT_EQ(digits[v], 6) << v;
    EXPECT_EQ(SlotGame::startSymbol(0.0, 6), 1);
    EXPECT_EQ(SlotGame::startSymbol(0.99999999999, 6), 6);
    EXPECT_EQ(SlotGame::startSymbol(0.99999999999, 9), 9);
    EXPECT_EQ(SlotGame::nextSymbol(6, 6), 1);
    EXPECT_EQ(SlotGame::nextSymbol(9, 9), 0);
    EXPECT_EQ(SlotGame::nextSymbol(3, 6), 4);
}

}  // namespace
}  // namespace tap::sim
