// The pad poll slows down while no pad is plugged in and is back at full rate as soon as one answers.
#include <gtest/gtest.h>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

TEST(PadPacing, NoPadLooksForOneTenTimesASecondAndAPadBringsBackTheFullRate) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    auto& timer = *sc.dev.padPollTimer;
    sc.sim.runFor(30);
    EXPECT_EQ(timer.interval(), GamePadPoll::kSearchMs);

    sc.sim.padMasks[0] = 0;  // plugged in
    sc.sim.runFor(GamePadPoll::kSearchMs);
    EXPECT_EQ(timer.interval(), GamePadPoll::kPollMs);
    // Its presses arrive at the full rate from then on.
    int starts = sc.dev.s.padStartPresses;
    sc.sim.at(sc.sim.elapsedMs() + 5, [&] { sc.sim.padMasks[0] = 1u << 1; });  // START, button 2
    sc.sim.runFor(5 + GamePadPoll::kPollMs);
    EXPECT_EQ(sc.dev.s.padStartPresses, starts + 1);

    sc.sim.padMasks.clear();  // unplugged
    sc.sim.runFor(GamePadPoll::kPollMs + 1);
    EXPECT_EQ(timer.interval(), GamePadPoll::kSearchMs);
}

TEST(PadPacing, AStoppedPollStaysStopped) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    sc.dev.padPollTimer->setInterval(0);  // as the key setup dialog does while it is open
    sc.dev.pad.poll();                    // a mode loop's pass polls all the same
    EXPECT_EQ(sc.dev.padPollTimer->interval(), 0);
}

}  // namespace
}  // namespace tap::sim
