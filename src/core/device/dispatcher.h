#pragma once
// The only place where face buttons act: every key-down and key-up of the device ends here.
#include <cstdint>

#include "core/analyzer/press_log.h"
#include "core/millis.h"
#include "core/records/recorded_run.h"

namespace tap {

class Device;

class Dispatcher {
public:
    explicit Dispatcher(Device& d) : d_(d) {}

    void Form_KeyDown(std::int16_t keyCode, int shift = 0);
    void Form_KeyUp(std::int16_t keyCode, int shift = 0);
    // A key-down for an input that happened at `at` rather than now (a pad edge read after the fact).
    void keyDownAt(std::int16_t keyCode, Millis at);
    // A release of A or B during a run, at the clock reading `at`: into the press log and the run's record.
    void logRelease(PressKind kind, Millis at);

private:
    enum class Button { B, A };
    void startPressed();
    void bPressed();
    void aPressed();
    void registerPress(Button b);
    void countPress(Button b);
    Device& d_;
    // When the key-down being handled happened; zero: now. Every key-down sets it afresh, so one that
    // runs nested inside another's mode loop never takes the outer one's time.
    Millis inputAt_{};
    // Where the key-down being handled came from, set afresh in the same way. Read when its press is
    // counted, before any loop that press starts lets other input in.
    InputSource source_;
};

}  // namespace tap
