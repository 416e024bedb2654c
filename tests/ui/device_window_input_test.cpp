// The device window's mouse and keyboard under a real Qt window system: double clicks as the device
// knows them, and keys let go of while another window had the keyboard.
#include <QFocusEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/real_device.h"

namespace tap {
namespace {

QPoint centreOf(const Device& d, El e) {
    const Rect r = d.face.rect(e);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

using DeviceWindowInput = RealWindow;

TEST_F(DeviceWindowInput, ADoubleClickOnSelectAdvancesTheModeTwice) {
    // From mode 2 with every mode unlocked: to the slot game and on to the explosion game, with no mode
    // loop running inside a click (the clock's would).
    device.s.modeLimit = 3;
    device.s.modeNo = 2;
    QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, centreOf(device, El::select_button));
    EXPECT_EQ(device.s.modeNo, 4);
    EXPECT_FALSE(device.face.visible(El::ss_button_push));
}

TEST_F(DeviceWindowInput, ADoubleClickOnTheOuterSealTakesOffThatSealOnly) {
    device.menu.choose("URAMEN");
    QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, centreOf(device, El::Image4));
    EXPECT_FALSE(device.face.visible(El::Image4));
    EXPECT_TRUE(device.face.visible(El::Image3));
    QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, centreOf(device, El::Image3));
    EXPECT_FALSE(device.face.visible(El::Image3));
    EXPECT_TRUE(sim.messages.empty());  // the reset button under it was not clicked
}

struct KeyboardAway : DeviceWindowInput {
    std::optional<bool> stillDown;
    void SetUp() override {
        DeviceWindowInput::SetUp();
        view.keyIsDown = [this](std::uint32_t) { return stillDown; };
        QTest::keyPress(view.windowHandle(), Qt::Key_V);  // A, held
        ASSERT_TRUE(device.s.holdA);
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&view, &out);
    }
    void comeBack() {
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&view, &in);
    }
};

TEST_F(KeyboardAway, AKeyLetGoOfMeanwhileIsReleased) {
    stillDown = false;
    comeBack();
    EXPECT_FALSE(device.s.holdA);
}

TEST_F(KeyboardAway, AKeyStillDownStaysHeld) {
    stillDown = true;
    comeBack();
    EXPECT_TRUE(device.s.holdA);
    QTest::keyRelease(view.windowHandle(), Qt::Key_V);
    EXPECT_FALSE(device.s.holdA);
}

TEST_F(KeyboardAway, WhereThePlatformCannotTellTheKeyCountsAsReleased) {
    stillDown = std::nullopt;
    comeBack();
    EXPECT_FALSE(device.s.holdA);
}

}  // namespace
}  // namespace tap
