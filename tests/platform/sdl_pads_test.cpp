// The real SDL pad code on SDL's virtual joysticks: button edges in order with their own times, pads
// plugged in and out with stable numbers, and the device counting presses faster than its poll.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/device/device.h"
#include "platform/sdl/sdl_pads.h"
#include "tests/support/sim_platform.h"
#include "tests/support/virtual_pad.h"

namespace tap {
namespace {

using sim::VirtualPad;

// A clock that moves only when told to.
struct StepClock : Clock {
    Millis now = Millis::fromMs(1000);
    Millis tickNow() override { return now; }
    TimeOfDay timeOfDay() override { return {}; }
    std::string timeOfDayText() override { return {}; }
    CalendarTime localTime() override { return {}; }
};

struct SdlPadsTest : ::testing::Test {
    StepClock clock;
    sdl::SdlPads pads{clock};
    void step(double ms) { clock.now += Millis::fromMsDouble(ms); }
};

TEST_F(SdlPadsTest, EdgesBetweenTwoReadsComeInOrderWithTheirOwnTimes) {
    VirtualPad pad("Pad A");
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads.update();
    ASSERT_EQ(pads.attached(), 1);
    ASSERT_TRUE(pads.read(0));
    pad.set(2, true);
    step(1);
    pads.update();
    const Millis down = clock.now;
    pad.set(2, false);
    pad.set(14, true);  // the interface reports every button; the device ignores those beyond 12
    step(1);
    pads.update();
    const auto r = pads.read(0);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->edges.size(), 3u);
    EXPECT_EQ(r->edges[0].button, 2);
    EXPECT_TRUE(r->edges[0].down);
    EXPECT_EQ(r->edges[0].at, down);
    EXPECT_EQ(r->edges[1].button, 2);
    EXPECT_FALSE(r->edges[1].down);
    EXPECT_EQ(r->edges[1].at, clock.now);
    EXPECT_EQ(r->buttons, 1u << 14);
    EXPECT_TRUE(pads.read(0)->edges.empty());  // read once
}

TEST_F(SdlPadsTest, NumbersStayWhilePluggedAndANewPadTakesTheLowestFree) {
    auto a = std::make_unique<VirtualPad>("Pad A");
    VirtualPad b("Pad B");
    pads.update();
    EXPECT_EQ(pads.name(0), "Pad A");
    EXPECT_EQ(pads.name(1), "Pad B");
    a->unplug();
    pads.update();
    EXPECT_FALSE(pads.read(0));
    EXPECT_EQ(pads.name(1), "Pad B");
    EXPECT_EQ(pads.attached(), 1);
    VirtualPad c("Pad C");
    pads.update();
    EXPECT_EQ(pads.name(0), "Pad C");
    EXPECT_EQ(pads.name(1), "Pad B");
    EXPECT_EQ(pads.attached(), 2);
}

TEST(SdlPadsOnTheDevice, TwoTapsBetweenTwoPollsBothCount) {
    sim::SimPlatform sim;
    sdl::SdlPads pads(sim);
    Platform platform{sim, sim, sim, sim, sim, sim, pads, sim, sim, sim.canvas, sim.runs, sim.files};
    VirtualPad pad("Pad A");
    Device device(platform);
    ASSERT_TRUE(device.lifecycle.Form_Load());
    sim.runFor(0);
    device.dispatcher.Form_KeyDown(device.s.keys.keyCodeStart);
    device.dispatcher.Form_KeyUp(device.s.keys.keyCodeStart);
    // Button 4 (A) down, up, down, up, each taken in by SDL, all before the device polls.
    for (bool down : {true, false, true, false}) {
        pad.set(3, down);
        pads.update();
    }
    device.pad.poll();  // the first press runs the whole measurement, which takes the rest
    EXPECT_EQ(device.s.shootState, 3);
    EXPECT_EQ(device.s.countA, 2);
}

}  // namespace
}  // namespace tap
