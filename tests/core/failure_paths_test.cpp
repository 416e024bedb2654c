// What the device does when things go wrong: settings that cannot be written, a failing entry into the
// stored mode, a start-up that fails early, and a start on the back face that ends before turning over.
#include <gtest/gtest.h>

#include "core/device/value_conversion.h"
#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

constexpr const char* kReason = "/home/u/.config/TAPRIKO_RUZIRODO/TAPRIKO_RUZIRODO.ini: No space left on device";

TEST(SaveFailure, QuittingFromTheMenuSaysWhichFileAndWhyAndEndsWithStatusOne) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.sim.flushFailure = kReason;
    sc.dev.menu.choose("Quit");
    ASSERT_EQ(sc.sim.messages.size(), 1u);
    EXPECT_NE(sc.sim.messages[0].text.find(kReason), std::string::npos) << sc.sim.messages[0].text;
    EXPECT_EQ(sc.sim.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sc.sim.quitCode, 1);
    EXPECT_TRUE(sc.dev.s.terminating);
}

TEST(SaveFailure, ASignalOrLogoutShowsNothingAndLeavesTheReasonForStandardError) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.sim.flushFailure = kReason;
    sc.dev.lifecycle.Form_Unload(0, ShutdownBy::System);
    EXPECT_TRUE(sc.sim.messages.empty());
    EXPECT_EQ(sc.dev.lifecycle.saveFailure(), kReason);
    EXPECT_EQ(sc.sim.quitCode, 1);
}

TEST(SaveFailure, ASignalWhileTheMessageIsOpenEndsTheProgramAtOnce) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.sim.flushFailure = kReason;
    std::optional<int> codeWhileOpen;
    sc.sim.onMessage = [&](const std::string&) {
        sc.dev.lifecycle.Form_Unload(0, ShutdownBy::System);
        codeWhileOpen = sc.sim.quitCode;
    };
    sc.dev.menu.choose("Quit");
    EXPECT_EQ(codeWhileOpen, 1);
}

TEST(SaveFailure, ASaveThatWorksEndsWithStatusZeroAndNoReason) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.lifecycle.Form_Unload(0, ShutdownBy::System);
    EXPECT_EQ(sc.sim.quitCode, 0);
    EXPECT_TRUE(sc.dev.lifecycle.saveFailure().empty());
}

// The stored mode is entered from the event loop after start-up has returned; a failure there is still
// a start-up failure: the message, the factory settings, the end.
TEST(StoredModeEntry, AFailureTakesTheStartUpFailurePath) {
    Scenario sc;
    sc.stored("MODE", "SHOOTING_MAX", "150");
    ASSERT_TRUE(sc.dev.lifecycle.Form_Load());
    // Entering mode 0 reads the record again; this time the read fails.
    sc.sim.beforeRead = [](const std::string& key) {
        if (key == "MODE/SHOOTING_MAX") throw ConversionError("the record cannot be read");
    };
    sc.sim.runFor(0);
    ASSERT_EQ(sc.sim.messages.size(), 1u);
    EXPECT_EQ(sc.sim.messages[0].text, "the record cannot be read");
    EXPECT_EQ(sc.sim.quitCode, 1);
    EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "0");
    EXPECT_EQ(sc.storedValue("KEYSETUP", "KEY_SELECT"), "65");
}

// The reset keeps the alarm switch, but not one that cannot be read: that would fail every later start.
TEST(StartUpFailure, AnUnreadableAlarmSwitchIsResetSoTheNextStartWorks) {
    Scenario sc;
    sc.stored("MODE", "TIME_ALARM_SET", "!");
    EXPECT_FALSE(sc.start());
    EXPECT_EQ(sc.storedValue("MODE", "TIME_ALARM_SET"), "0");

    Scenario next;
    next.sim.store = sc.sim.store;
    EXPECT_TRUE(next.start());
}

// A start-up that fails before the window is placed stores the centre, not wherever the window system
// happened to put the window: the next start opens in the middle of the screen.
TEST(StartUpFailure, BeforeThePlacementStoresTheCentre) {
    Scenario sc;
    sc.stored("PANEL", "SKIN", "x");
    sc.stored("PANEL", "POS_X", "10");
    sc.stored("PANEL", "POS_Y", "20");
    sc.sim.windowPos = {0, 0};
    EXPECT_FALSE(sc.start());
    EXPECT_EQ(sc.storedValue("PANEL", "POS_X"), "294");
    EXPECT_EQ(sc.storedValue("PANEL", "POS_Y"), "240");

    Scenario next;
    next.sim.store = sc.sim.store;
    ASSERT_TRUE(next.start());
    EXPECT_EQ(next.sim.windowPos, (Point{294, 240}));
}

TEST(StartUpFailure, AfterThePlacementStoresWhereTheWindowIs) {
    Scenario sc;
    sc.stored("PANEL", "POS_X", "10");
    sc.stored("PANEL", "POS_Y", "20");
    sc.stored("MODE", "TIME_MODE", "x");
    EXPECT_FALSE(sc.start());
    EXPECT_EQ(sc.storedValue("PANEL", "POS_X"), "10");
    EXPECT_EQ(sc.storedValue("PANEL", "POS_Y"), "20");
}

// Started on the back and quit before turning over: the stored mode has not been entered and stays as
// it was, however often that happens.
TEST(BackFaceStart, QuittingBeforeTurningOverKeepsTheStoredMode) {
    std::map<std::string, std::string> store{{"PANEL/SIDE", "1"}, {"MODE/SELECT", "2"}};
    for (int start = 0; start < 3; ++start) {
        Scenario sc;
        sc.sim.store = store;
        ASSERT_TRUE(sc.start());
        sc.dev.lifecycle.Form_Unload(0);
        store = sc.sim.store;
        EXPECT_EQ(sc.storedValue("MODE", "SELECT"), "2") << "start " << start;
    }
    Scenario last;
    last.sim.store = store;
    ASSERT_TRUE(last.start());
    last.dev.menu.choose("OMOTE");
    last.sim.runFor(10);
    EXPECT_EQ(last.dev.s.modeNo, 2);
}

TEST(BackFaceStart, TurnedOverTheEnteredModeIsStoredAsUsual) {
    Scenario sc;
    sc.stored("PANEL", "SIDE", "1");
    sc.stored("MODE", "SELECT", "2");
    ASSERT_TRUE(sc.start());
    sc.dev.menu.choose("OMOTE");
    sc.sim.runFor(10);
    sc.dev.s.modeNo = 1;  // SELECT then goes on to mode 2 without running the clock
    sc.select();
    sc.select();  // mode 0
    sc.dev.lifecycle.Form_Unload(0);
    EXPECT_EQ(sc.storedValue("MODE", "SELECT"), "0");
}

}  // namespace
}  // namespace tap::sim
