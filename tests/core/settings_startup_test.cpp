// Start-up from stored settings, the failure path and the saver, on the simulated platform.
#include <gtest/gtest.h>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

TEST(StartUp, NothingStoredGivesTheFirstRunDevice) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    const auto& s = sc.dev.s;
    EXPECT_EQ(sc.sim.windowPos, (Point{(1024 - 436) / 2, (768 - 288) / 2}));
    EXPECT_EQ(s.skinNo, 0);
    EXPECT_FALSE(s.compactView);
    EXPECT_TRUE(sc.sim.alwaysOnTop);
    EXPECT_TRUE(sc.dev.menu.checked("TOP_VIEW"));
    EXPECT_EQ(s.modeNo, 0);
    EXPECT_EQ(s.timeMode, 0);
    EXPECT_EQ(s.alarmOn, 0);
    EXPECT_EQ(s.backSideShown, 0);
    EXPECT_EQ(s.keys.keyCodeSelect, 90);
    EXPECT_EQ(s.keys.keyCodeStart, 88);
    EXPECT_EQ(s.keys.keyCodeB, 67);
    EXPECT_EQ(s.keys.keyCodeA, 86);
    EXPECT_EQ(s.keys.padButtonSelect, 0);
    EXPECT_EQ(s.keys.padButtonStart, 1);
    EXPECT_EQ(s.keys.padButtonB, 2);
    EXPECT_EQ(s.keys.padButtonA, 3);
    EXPECT_EQ(s.startCount, 1);
    EXPECT_EQ(sc.dev.face[El::Image1].toolTip, "右クリックでポップアップメニューを表示");
    EXPECT_TRUE(sc.sim.inputMethodDisabled);
    EXPECT_EQ(sc.display(), "___0|__");  // mode 0 shows the record 0
    EXPECT_EQ(sc.sim.shape, shapes::front100());
}

TEST(StartUp, LaterStartsShowNoHintAndCountOn) {
    Scenario sc;
    sc.stored("START_COUNT", "COUNT", "41");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.startCount, 42);
    EXPECT_TRUE(sc.dev.face[El::Image1].toolTip.empty());
}

TEST(StartUp, StartCounterStopsAtItsLargestValue) {
    Scenario sc;
    sc.stored("START_COUNT", "COUNT", "32767");
    sc.stored("MODE", "SHOOTING_MAX", "130");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.startCount, 32767);
    sc.dev.lifecycle.Form_Unload(0);
    EXPECT_EQ(sc.storedValue("START_COUNT", "COUNT"), "32767");
    EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "130");
    EXPECT_EQ(sc.sim.quitCode, 0);
}

TEST(StartUp, OneKeyMissingBringsBackTheWholeFirstRunSet) {
    Scenario sc;
    sc.stored("KEYSETUP", "KEY_SELECT", "65");
    sc.stored("KEYSETUP", "KEY_START", "83");
    sc.stored("KEYSETUP", "KEY_B", "66");
    sc.stored("KEYSETUP", "KEY_A", "-1");
    sc.stored("KEYSETUP", "BUTTON_SELECT", "104");
    sc.stored("KEYSETUP", "BUTTON_START", "105");
    sc.stored("KEYSETUP", "BUTTON_B", "106");
    sc.stored("KEYSETUP", "BUTTON_A", "107");
    ASSERT_TRUE(sc.start());
    const auto& k = sc.dev.s.keys;
    EXPECT_EQ((std::vector<int>{k.keyCodeSelect, k.keyCodeStart, k.keyCodeB, k.keyCodeA}),
              (std::vector<int>{90, 88, 67, 86}));
    // The pad codes were all present, so they stay.
    EXPECT_EQ(k.padButtonA, 107);
}

TEST(StartUp, RecordSetsTheReachableModes) {
    for (auto [record, limit] : {std::pair{"119", 1}, {"120", 2}, {"159", 2}, {"160", 3}}) {
        Scenario sc;
        sc.stored("MODE", "SHOOTING_MAX", record);
        ASSERT_TRUE(sc.start());
        EXPECT_EQ(sc.dev.s.modeLimit, limit) << "record " << record;
    }
}

TEST(StartUp, StoredModeBeyondTheUnlockedOnesStartsInModeZero) {
    Scenario sc;
    sc.stored("MODE", "SELECT", "4");
    sc.stored("MODE", "SHOOTING_MAX", "0");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.modeNo, 0);
}

TEST(StartUp, StoredModeTwoIsEnteredThroughSelect) {
    Scenario sc;
    sc.stored("MODE", "SELECT", "2");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.modeNo, 2);
    EXPECT_EQ(sc.dev.s.watchIsStopwatch, 1);
    EXPECT_EQ(sc.dev.face[El::mode].pos.x, 233 + 19 * 2);
}

TEST(StartUp, PositionIsPulledBackOntoTheScreen) {
    struct Case {
        const char* x;
        const char* y;
        const char* size;
        Point expected;
    };
    for (const auto& c : {Case{"5000", "100", "0", {588, 100}}, Case{"-500", "100", "0", {0, 100}},
                          Case{"-500", "100", "1", {-207, 100}}, Case{"100", "5000", "0", {100, 768 - 288}},
                          Case{"100", "-300", "0", {100, -19}}, Case{"100", "-200", "1", {100, -55}},
                          Case{"2000", "2000", "1", {1024 - 394, 768 - 140}}, Case{"10.5", "20.5", "0", {10, 20}}}) {
        Scenario sc;
        sc.stored("PANEL", "POS_X", c.x);
        sc.stored("PANEL", "POS_Y", c.y);
        sc.stored("PANEL", "SIZE", c.size);
        ASSERT_TRUE(sc.start());
        EXPECT_EQ(sc.sim.windowPos, c.expected) << c.x << "," << c.y << " size " << c.size;
    }
}

TEST(StartUp, AlarmTimeOutsideTheDialIsKeptOnIt) {
    Scenario sc;
    sc.stored("MODE", "TIME_ALARM_HOU", "-5");
    sc.stored("MODE", "TIME_ALARM_MIN", "75");
    sc.stored("MODE", "TIME_ALARM_SEC", "30");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(std::tuple(sc.dev.s.alarmHour, sc.dev.s.alarmMinute, sc.dev.s.alarmSecond), std::tuple(0, 59, 30));
}

TEST(StartUp, ForwardFalseLeavesTheWindowInTheNormalLayer) {
    for (const char* forward : {"False", "false", "0"}) {
        Scenario sc;
        sc.stored("PANEL", "FORWARD", forward);
        ASSERT_TRUE(sc.start());
        EXPECT_FALSE(sc.sim.alwaysOnTop) << forward;
        EXPECT_FALSE(sc.dev.menu.checked("TOP_VIEW")) << forward;
    }
}

TEST(StartUp, StoredSkinAndViewAreApplied) {
    Scenario sc;
    sc.stored("PANEL", "SKIN", "3");
    sc.stored("PANEL", "SIZE", "1");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.skinNo, 3);
    EXPECT_TRUE(sc.dev.s.compactView);
    EXPECT_EQ(sc.dev.face.picture(El::Paneru), (PictureId{PicTable::PaneruS, 3}));
    EXPECT_TRUE(sc.dev.menu.checked("SKIN3"));
    EXPECT_TRUE(sc.dev.menu.checked("VIEW_COMPACT"));
    EXPECT_EQ(sc.sim.shape, shapes::front50());
}

// Every malformed value ends start-up the same way: the message, the factory settings, the end.
class StartUpFailure : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*, const char*>> {};

TEST_P(StartUpFailure, ShowsTheErrorResetsEverythingAndEnds) {
    const auto [section, key, value, words] = GetParam();
    Scenario sc;
    sc.stored("MODE", "SHOOTING_MAX", "150");
    sc.stored("MODE", "TIME_ALARM_SET", "1");
    sc.stored("PANEL", "RESET_SEAL", "0");
    sc.stored(section, key, value);
    EXPECT_FALSE(sc.start());
    ASSERT_EQ(sc.sim.messages.size(), 1u);
    const auto& msg = sc.sim.messages[0];
    EXPECT_NE(msg.text.find(words), std::string::npos) << msg.text;
    EXPECT_NE(msg.text.find(key), std::string::npos) << msg.text;
    EXPECT_EQ(msg.buttons, MessageButtons::Ok);
    EXPECT_EQ(sc.sim.quitCode, 1);
    const std::pair<const char*, const char*> factory[] = {
        {"PANEL/SKIN", "0"},          {"PANEL/SIZE", "0"},         {"PANEL/FORWARD", "True"},
        {"PANEL/SIDE", "0"},          {"PANEL/RESET_SEAL", "2"},    {"MODE/TIME_MODE", "0"},
        {"MODE/SELECT", "0"},         {"MODE/SHOOTING_MAX", "0"},   {"MODE/TIME_ALARM_HOU", "0"},
        {"MODE/TIME_ALARM_MIN", "0"}, {"MODE/TIME_ALARM_SEC", "0"}, {"KEYSETUP/KEY_SELECT", "65"},
        {"KEYSETUP/KEY_START", "83"}, {"KEYSETUP/KEY_B", "86"},     {"KEYSETUP/KEY_A", "66"},
        {"KEYSETUP/BUTTON_SELECT", "0"}, {"KEYSETUP/BUTTON_START", "1"}, {"KEYSETUP/BUTTON_B", "2"},
        {"KEYSETUP/BUTTON_A", "3"},   {"START_COUNT/COUNT", "0"}};
    for (const auto& [k, v] : factory) EXPECT_EQ(sc.sim.store[k], v) << k;
    EXPECT_EQ(sc.sim.store["MODE/TIME_ALARM_SET"], "1");  // the reset leaves the alarm switch alone
    EXPECT_TRUE(sc.sim.store.count("PANEL/POS_X"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, StartUpFailure,
    ::testing::Values(std::tuple{"PANEL", "SKIN", "x", "数値ではありません"},
                      std::tuple{"PANEL", "SKIN", "40000", "オーバーフロー"},
                      std::tuple{"PANEL", "FORWARD", "maybe", "数値ではありません"},
                      std::tuple{"PANEL", "POS_X", "1e3", "数値ではありません"},
                      std::tuple{"MODE", "SELECT", "", "数値ではありません"},
                      std::tuple{"KEYSETUP", "KEY_A", "-32769", "オーバーフロー"},
                      std::tuple{"START_COUNT", "COUNT", "3x", "数値ではありません"}));

TEST(Shutdown, SaverWritesEveryKeyAndAStartReadsThemBack) {
    Scenario first;
    first.stored("MODE", "SHOOTING_MAX", "200");
    ASSERT_TRUE(first.start());
    auto& d = first.dev;
    d.menu.choose("SKIN2");
    d.menu.choose("VIEW_COMPACT");
    d.menu.choose("TOP_VIEW");
    d.menu.choose("CLOCK_12_ABOUT");
    d.menu.choose("ALARM_ON");
    d.s.alarmHour = 7;
    d.s.alarmMinute = 30;
    d.s.alarmSecond = 15;
    d.s.resetSeal = 1;
    d.s.keys = {49, 50, 51, 52, 100, 101, 102, 103};
    d.s.modeNo = 1;  // SELECT then enters mode 2 without running the clock
    first.select();
    first.sim.windowPos = {321, 123};
    d.lifecycle.Form_Unload(0);
    EXPECT_EQ(first.sim.quitCode, 0);
    EXPECT_TRUE(d.s.terminating);
    EXPECT_EQ(first.storedValue("PANEL", "POS_X"), "321");
    EXPECT_EQ(first.storedValue("PANEL", "FORWARD"), "False");

    Scenario second;
    second.sim.store = first.sim.store;
    ASSERT_TRUE(second.start());
    const auto& s = second.dev.s;
    EXPECT_EQ(s.skinNo, 2);
    EXPECT_TRUE(s.compactView);
    EXPECT_FALSE(second.sim.alwaysOnTop);
    EXPECT_EQ(s.timeMode, 3);
    EXPECT_EQ(s.alarmOn, 1);
    EXPECT_EQ(std::tuple(s.alarmHour, s.alarmMinute, s.alarmSecond), std::tuple(7, 30, 15));
    EXPECT_EQ(s.resetSeal, 1);
    EXPECT_EQ(s.keys.keyCodeSelect, 49);
    EXPECT_EQ(s.keys.padButtonA, 103);
    EXPECT_EQ(s.modeNo, 2);
    EXPECT_EQ(s.bestRecord, 200);
    EXPECT_EQ(s.startCount, 2);
    EXPECT_EQ(second.sim.windowPos, (Point{321, 123}));
}

TEST(Shutdown, RecordIsNotRewrittenByTheSaver) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.s.bestRecord = 99;  // only a finished run or the record reset store it
    sc.dev.lifecycle.Form_Unload(0);
    EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "<absent>");
}

TEST(Shutdown, ClosingInsideARunningRunEndsItsLoop) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.startButton();
    sc.sim.at(sc.sim.elapsedMs() + 2000, [&] { sc.dev.view.Quit_Click(); });
    sc.keyDown(VK_V);  // the first press runs the whole measuring loop
    EXPECT_TRUE(sc.sim.quitCode.has_value());
    EXPECT_LT(sc.sim.elapsedMs(), 2100);
    EXPECT_EQ(sc.storedValue("MODE", "SELECT"), "0");
}

}  // namespace
}  // namespace tap::sim
