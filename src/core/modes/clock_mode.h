#pragma once
// Mode 1: the time of day in four styles; the loop also watches for the alarm time.
#include "core/millis.h"
#include "core/platform.h"

namespace tap {

class Device;

class ClockMode {
public:
    explicit ClockMode(Device& d) : d_(d) {}

    // Shows the time of day until clockLoopRunning clears. Called while its loop already runs (B's
    // key-up), it only redraws and leaves the running loop to carry on, so nesting stays bounded.
    void Mode_Clock();
    // CLOCK_24, CLOCK_12, CLOCK_24_ABOUT, CLOCK_12_ABOUT for styles 0-3.
    void styleClick(int style);

    // The shown time changes once a second, and input wakes the pump at once, so a pass may sleep
    // long; the cap keeps the display within a blink of the true second and the alarm on time.
    static constexpr Millis kPassWait = Millis::fromMs(50);

private:
    void drawTime(const TimeOfDay& t);
    void checkAlarm(const TimeOfDay& t);
    Device& d_;
    bool loopActive_ = false;
};

}  // namespace tap
