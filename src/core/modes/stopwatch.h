#pragma once
// Mode 2 as a stopwatch: start, pause, resume, splits.
#include "core/millis.h"

namespace tap {

class Device;

class Stopwatch {
public:
    explicit Stopwatch(Device& d) : d_(d) {}

    // Shows zeros and, while stopwatchStarted holds, runs the stopwatch. Called while its loop already
    // runs (reset and restart within one pass), it only restarts from zero and lets that loop carry on.
    void Mode_Stop();
    // A: start, pause (2), resume (3 pending), leave a split; B: split (5), new split (9), reset when paused.
    void pressA();
    void pressB();

    // A running display wakes the loop when its hundredths change, at most once a frame (a press is
    // read at its own time anyway); a held one changes only on a key, which wakes the pump anyway.
    static constexpr Millis kFrame = Millis::fromMs(16);
    static constexpr Millis kHeldWait = Millis::fromMs(50);

private:
    void resume();
    void readAtPress();
    void update();
    Millis untilNextShownChange() const;
    Device& d_;
    bool loopActive_ = false;
    // The last pass found the stopwatch stopped, so the time until it runs again is left out.
    bool pauseSeen_ = false;
};

}  // namespace tap
