// The drawn face buttons under the mouse: presses and releases as the keyboard's, pressed pictures and
// cursors, double clicks, other mouse buttons.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

MouseEvent with(int button) {
    MouseEvent ev;
    ev.button = button;
    return ev;
}

// An armed run; mouse actions are scripted as events because the first press runs the whole measurement.
struct MouseRun : Scenario {
    MouseRun() {
        start();
        startButton();
    }
    void downAt(double ms, El e, int button = kLeftButton) {
        sim.at(ms, [this, e, button] { dev.mouse.mouseDown(e, with(button)); });
    }
    void upAt(double ms, El e, int button = kLeftButton) {
        sim.at(ms, [this, e, button] {
            dev.mouse.mouseUp(e, with(button));
            dev.mouse.click(e, with(button));
        });
    }
    void doubleAt(double ms, El e, int button = kLeftButton) {
        sim.at(ms, [this, e, button] { dev.mouse.doubleClick(e, with(button)); });
    }
    void finish() { sim.runUntil(10300); }
};

TEST(OnScreenButtons, ADoubleClickOnBCountsTwoPresses) {
    MouseRun sc;
    sc.pressAt(100, VK_V);  // the run starts from the keyboard
    sc.downAt(200, El::B_button);
    sc.upAt(210, El::B_button);
    sc.doubleAt(300, El::B_button);
    bool pictureOnSecond = true;
    sc.sim.at(301, [&] { pictureOnSecond = sc.dev.face.visible(El::B_button_press); });
    sc.upAt(310, El::B_button);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countB, 2);
    EXPECT_EQ(sc.dev.s.countA, 1);
    EXPECT_FALSE(pictureOnSecond);  // the second press of a double click shows no pressed picture
    EXPECT_EQ(sc.dev.face[El::B_button].cursor, CursorShape::FingerNormal);
}

TEST(OnScreenButtons, ARightClickCountsNothingAndShowsNothing) {
    MouseRun sc;
    sc.pressAt(100, VK_V);
    sc.downAt(200, El::A_button, kRightButton);
    bool picture = true;
    CursorShape cursor = CursorShape::FingerPressed;
    sc.sim.at(201, [&] {
        picture = sc.dev.face.visible(El::A_button_press);
        cursor = sc.dev.face[El::A_button].cursor;
    });
    sc.upAt(210, El::A_button, kRightButton);
    sc.doubleAt(300, El::A_button, kRightButton);  // a right double click follows a right press
    sc.upAt(310, El::A_button, kRightButton);
    sc.finish();
    EXPECT_EQ(sc.dev.s.countA, 1);  // the keyboard's only
    EXPECT_FALSE(picture);
    EXPECT_NE(cursor, CursorShape::FingerPressed);
    EXPECT_EQ(sc.dev.s.lastMouseButton, kRightButton);
}

TEST(OnScreenButtons, HoldingTheMouseOnAIsOnePressWithThePictureShownUntilRelease) {
    MouseRun sc;
    sc.downAt(100, El::A_button);  // starts the run
    std::vector<bool> shown;
    for (double t : {150.0, 2000.0, 2999.0})
        sc.sim.at(t, [&] { shown.push_back(sc.dev.face.visible(El::A_button_press)); });
    int cursorWhileHeld = -1;
    sc.sim.at(2000, [&] { cursorWhileHeld = static_cast<int>(sc.dev.face[El::A_button].cursor); });
    sc.upAt(3000, El::A_button);
    sc.downAt(3100, El::A_button_on_skin34);  // the skin variant presses the same face button
    sc.upAt(3110, El::A_button_on_skin34);
    sc.finish();
    EXPECT_EQ(shown, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(cursorWhileHeld, static_cast<int>(CursorShape::FingerPressed));
    EXPECT_FALSE(sc.dev.face.visible(El::A_button_press));
    EXPECT_EQ(sc.dev.s.countA, 2);
    EXPECT_EQ(sc.dev.log.loggedReleasesA, 2);
}

TEST(OnScreenButtons, SelectAndStartActOnClickWithAnyMouseButton) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.mouse.mouseDown(El::start_button, with(kRightButton));
    EXPECT_TRUE(sc.dev.face.visible(El::ss_button_push2));
    EXPECT_EQ(sc.dev.face[El::start_button].cursor, CursorShape::FingerPressed);
    EXPECT_EQ(sc.dev.s.shootState, 0);  // nothing yet: START acts on the click
    sc.dev.mouse.mouseUp(El::start_button, with(kRightButton));
    EXPECT_FALSE(sc.dev.face.visible(El::ss_button_push2));
    EXPECT_EQ(sc.dev.face[El::start_button].cursor, CursorShape::FingerNormal);
    sc.dev.mouse.click(El::start_button, with(kRightButton));
    EXPECT_EQ(sc.dev.s.shootState, 1);
    EXPECT_EQ(sc.display(), "___0|10");
}

TEST(OnScreenButtons, ADoubleClickOnSelectAdvancesTheModeTwice) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    int afterFirst = -1;
    // Press, release, click, then the double click: the clock entered by the first runs until the second.
    sc.sim.at(100, [&] {
        sc.dev.mouse.mouseDown(El::select_button, with(kLeftButton));
        EXPECT_TRUE(sc.dev.face.visible(El::ss_button_push));
        sc.dev.mouse.mouseUp(El::select_button, with(kLeftButton));
        sc.dev.mouse.click(El::select_button, with(kLeftButton));
    });
    sc.sim.at(105, [&] { afterFirst = sc.dev.s.modeNo; });
    sc.sim.at(110, [&] {
        sc.dev.mouse.doubleClick(El::select_button, with(kLeftButton));
        sc.dev.mouse.mouseUp(El::select_button, with(kLeftButton));
    });
    sc.sim.runUntil(200);
    EXPECT_EQ(afterFirst, 1);
    EXPECT_EQ(sc.dev.s.modeNo, 2);
    EXPECT_FALSE(sc.dev.face.visible(El::ss_button_push));
}

TEST(OnScreenButtons, InSkinFourOnlyTheCursorChanges) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.s.skinNo = 4;
    for (El picture : {El::A_button_press, El::ss_button_push2}) sc.dev.face.setVisible(picture, false);
    sc.dev.mouse.mouseDown(El::A_button, with(kLeftButton));
    sc.dev.mouse.mouseDown(El::start_button, with(kLeftButton));
    EXPECT_FALSE(sc.dev.face.visible(El::A_button_press));
    EXPECT_FALSE(sc.dev.face.visible(El::ss_button_push2));
    EXPECT_EQ(sc.dev.face[El::A_button].cursor, CursorShape::FingerPressed);
    EXPECT_TRUE(sc.dev.s.holdA);  // the press itself got through
    // A pressed picture left visible stays visible.
    sc.dev.face.setVisible(El::A_button_press, true);
    sc.dev.mouse.mouseUp(El::A_button, with(kLeftButton));
    EXPECT_TRUE(sc.dev.face.visible(El::A_button_press));
    EXPECT_FALSE(sc.dev.s.holdA);
}

TEST(OnScreenButtons, ButtonsDoNothingOnTheBack) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.menu.choose("URAMEN");
    sc.dev.mouse.mouseDown(El::start_button, with(kLeftButton));
    sc.dev.mouse.mouseUp(El::start_button, with(kLeftButton));
    sc.dev.mouse.click(El::start_button, with(kLeftButton));
    EXPECT_EQ(sc.dev.s.shootState, 0);
}

}  // namespace
}  // namespace tap::sim
