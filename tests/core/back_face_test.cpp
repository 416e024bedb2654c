// The back face: keys are swallowed, seals peel in order and stay peeled, the confirmed reset.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

const char* const kResetQuestion = "最高連射数をリセットしますか？";

// A click in the middle of the reset button's area reaches whatever lies on top there.
void clickResetArea(Scenario& sc) {
    const Rect r = sc.dev.face.rect(El::Image2);
    const auto hit = sc.dev.face.hitTest({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    ASSERT_TRUE(hit.has_value());
    const MouseEvent ev{};
    sc.dev.mouse.mouseDown(*hit, ev);
    sc.dev.mouse.mouseUp(*hit, ev);
    sc.dev.mouse.click(*hit, ev);
}

void turnToBack(Scenario& sc) {
    sc.dev.menu.choose("URAMEN");
}
void turnToFront(Scenario& sc) {
    sc.dev.menu.choose("OMOTE");
}

TEST(BackFace, SwallowsEveryKeyDownButKeyUpsStillRun) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.keyDown(VK_V);  // A held on the front
    turnToBack(sc);
    EXPECT_EQ(sc.dev.s.backSideShown, 1);
    for (std::int16_t vk : {VK_Z, VK_X, VK_C, VK_V}) sc.keyDown(vk);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
    EXPECT_EQ(sc.dev.s.shootState, 0);
    EXPECT_FALSE(sc.dev.s.holdB);
    sc.keyUp(VK_V);
    EXPECT_FALSE(sc.dev.s.holdA);  // the release got through
}

TEST(BackFace, TurningOverHidesTheDigitsAndRestoresThemWithTheDot) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.face.setVisible(El::dot, true);
    turnToBack(sc);
    EXPECT_EQ(sc.display(), "    |  ");
    EXPECT_TRUE(sc.dev.face.visible(El::Image_back));
    EXPECT_TRUE(sc.dev.menu.item("OMOTE").visible);
    EXPECT_FALSE(sc.dev.menu.item("URAMEN").visible);
    EXPECT_EQ(sc.sim.shape, shapes::back100());
    turnToFront(sc);
    EXPECT_EQ(sc.display(), "___0|__");
    EXPECT_TRUE(sc.dev.face.visible(El::dot));
    EXPECT_FALSE(sc.dev.face.visible(El::Image_back));
    EXPECT_EQ(sc.sim.shape, shapes::front100());
}

TEST(BackFace, SealsPeelInOrderAndStayPeeledAcrossARestart) {
    std::map<std::string, std::string> store;
    {
        Scenario sc;
        ASSERT_TRUE(sc.start());
        turnToBack(sc);
        EXPECT_TRUE(sc.dev.face.visible(El::Image4));
        EXPECT_TRUE(sc.dev.face.visible(El::Image3));
        clickResetArea(sc);  // the outer seal
        EXPECT_FALSE(sc.dev.face.visible(El::Image4));
        EXPECT_TRUE(sc.dev.face.visible(El::Image3));
        EXPECT_EQ(sc.dev.s.resetSeal, 1);
        EXPECT_TRUE(sc.sim.messages.empty());
        sc.dev.lifecycle.Form_Unload(0);
        store = sc.sim.store;
    }
    EXPECT_EQ(store["PANEL/RESET_SEAL"], "1");
    EXPECT_EQ(store["PANEL/SIDE"], "1");
    {
        Scenario sc;
        sc.sim.store = store;
        ASSERT_TRUE(sc.start());
        EXPECT_EQ(sc.dev.s.backSideShown, 1);  // started on the back
        EXPECT_FALSE(sc.dev.face.visible(El::Image4));
        EXPECT_TRUE(sc.dev.face.visible(El::Image3));
        clickResetArea(sc);  // the inner seal
        EXPECT_FALSE(sc.dev.face.visible(El::Image3));
        EXPECT_EQ(sc.dev.s.resetSeal, 0);
        EXPECT_TRUE(sc.sim.messages.empty());
        sc.sim.answers.push_back(MessageAnswer::Cancel);
        clickResetArea(sc);  // now the button asks
        ASSERT_EQ(sc.sim.messages.size(), 1u);
        EXPECT_EQ(sc.sim.messages[0].text, kResetQuestion);
        EXPECT_EQ(sc.sim.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(sc.sim.messages[0].buttons, MessageButtons::OkCancel);
        sc.dev.lifecycle.Form_Unload(0);
        EXPECT_EQ(sc.storedValue("PANEL", "RESET_SEAL"), "0");
    }
}

// A device on its back with both seals peeled and a record of 130.
struct PeeledScene : Scenario {
    PeeledScene() {
        stored("MODE", "SHOOTING_MAX", "130");
        stored("PANEL", "RESET_SEAL", "0");
        start();
        turnToBack(*this);
    }
};

TEST(BackFace, CancelChangesNothing) {
    PeeledScene sc;
    sc.sim.answers.push_back(MessageAnswer::Cancel);
    clickResetArea(sc);
    ASSERT_EQ(sc.sim.messages.size(), 1u);
    EXPECT_FALSE(sc.sim.messages[0].topmostWhileShown);
    EXPECT_TRUE(sc.sim.alwaysOnTop);
    EXPECT_EQ(sc.dev.s.bestRecord, 130);
    EXPECT_EQ(sc.dev.s.modeLimit, 2);
    EXPECT_EQ(sc.dev.s.backSideShown, 1);
    EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "130");
    turnToFront(sc);
    EXPECT_EQ(sc.display(), "_130|__");
}

TEST(BackFace, ResetClearsTheRecordAndTheFrontShowsModeZeroWithRecordZero) {
    PeeledScene sc;
    clickResetArea(sc);  // answered OK
    ASSERT_EQ(sc.sim.messages.size(), 1u);
    EXPECT_FALSE(sc.sim.messages[0].topmostWhileShown);
    EXPECT_TRUE(sc.sim.alwaysOnTop);
    EXPECT_EQ(sc.dev.s.bestRecord, 0);
    EXPECT_EQ(sc.dev.s.modeLimit, 1);
    EXPECT_EQ(sc.dev.s.shootState, 0);
    EXPECT_EQ(sc.storedValue("MODE", "SHOOTING_MAX"), "0");
    EXPECT_EQ(sc.dev.s.resetSeal, 0);  // no new seals
    // Still on the back: digits hidden, keys swallowed.
    EXPECT_EQ(sc.dev.s.backSideShown, 1);
    EXPECT_EQ(sc.display(), "    |  ");
    sc.select();
    EXPECT_EQ(sc.dev.s.modeNo, 0);

    turnToFront(sc);
    EXPECT_EQ(sc.dev.s.modeNo, 0);
    EXPECT_EQ(sc.display(), "___0|__");
    // Only modes 0-2 are left.
    std::vector<int> cycle;
    for (int i = 0; i < 3; ++i) {
        sc.sim.at(100 + 10 * i, [&] { sc.select(); });
        sc.sim.at(105 + 10 * i, [&] { cycle.push_back(sc.dev.s.modeNo); });
    }
    sc.sim.runUntil(200);
    EXPECT_EQ(cycle, (std::vector<int>{1, 2, 0}));
}

TEST(BackFace, ResetFromAFinishedRecordRunStopsTheBlink) {
    Scenario sc;
    sc.stored("PANEL", "RESET_SEAL", "0");
    ASSERT_TRUE(sc.start());
    sc.startButton();
    sc.pressAt(100, VK_V);
    sc.sim.runUntil(10200);
    ASSERT_TRUE(sc.dev.s.newRecordBlink);
    turnToBack(sc);
    clickResetArea(sc);
    EXPECT_FALSE(sc.dev.s.newRecordBlink);
    EXPECT_EQ(sc.dev.ScoreBlink->interval(), 0);
    EXPECT_EQ(sc.dev.s.countTotal, 0);
    EXPECT_EQ(sc.dev.s.shootState, 0);
}

// The reset enters mode 0 like any mode change, so alarm setting ends with it: nothing blinks in the
// shooting mode, and A in the clock afterwards leaves the alarm time alone.
TEST(BackFace, ResetWhileTheAlarmIsBeingSetEndsAlarmSetting) {
    Scenario sc;
    sc.stored("MODE", "SHOOTING_MAX", "130");
    sc.stored("MODE", "TIME_ALARM_SEC", "7");
    sc.stored("PANEL", "RESET_SEAL", "0");
    ASSERT_TRUE(sc.start());
    sc.sim.at(10, [&] { sc.select(); });        // the clock
    sc.sim.at(100, [&] { sc.startButton(); });  // alarm setting: the seconds blink from 550 ms on
    sc.sim.at(200, [&] {
        turnToBack(sc);
        clickResetArea(sc);
        turnToFront(sc);
    });
    std::vector<std::string> shown;
    for (double t : {700.0, 1150.0, 1600.0}) sc.sim.at(t, [&] { shown.push_back(sc.display()); });
    sc.sim.runUntil(2000);
    EXPECT_EQ(shown, (std::vector<std::string>(3, "___0|__")));
    EXPECT_FALSE(sc.dev.s.alarmEditing);
    EXPECT_EQ(sc.dev.AlarmBlink->interval(), 0);

    sc.sim.at(2000, [&] { sc.select(); });  // the clock again
    sc.sim.at(2100, [&] { sc.tap(sc.dev.s.keys.keyCodeA); });
    sc.sim.at(2200, [&] { sc.select(); });
    sc.sim.runUntil(2300);
    EXPECT_EQ(sc.dev.s.alarmSecond, 7);
}

TEST(BackFace, StartedOnTheBackEntersTheStoredModeOnlyWhenTurnedToTheFront) {
    Scenario sc;
    sc.stored("PANEL", "SIDE", "1");
    sc.stored("MODE", "SELECT", "2");
    ASSERT_TRUE(sc.start());
    EXPECT_EQ(sc.dev.s.backSideShown, 1);
    sc.sim.runFor(50);
    turnToFront(sc);
    sc.sim.runFor(50);
    EXPECT_EQ(sc.dev.s.modeNo, 2);
    EXPECT_EQ(sc.dev.s.sideAtStart, -1);
    // A second trip to the back and front does not enter it again.
    turnToBack(sc);
    turnToFront(sc);
    sc.sim.runFor(50);
    EXPECT_EQ(sc.dev.s.modeNo, 2);
}

TEST(BackFace, ButtonAndSealsShowThePressedFingerWhileHeld) {
    PeeledScene sc;
    sc.dev.mouse.mouseDown(El::Image2, MouseEvent{});
    EXPECT_EQ(sc.dev.face[El::Image2].cursor, CursorShape::FingerPressed);
    sc.dev.mouse.mouseUp(El::Image2, MouseEvent{});
    EXPECT_EQ(sc.dev.face[El::Image2].cursor, CursorShape::FingerNormal);
}

}  // namespace
}  // namespace tap::sim
