#pragma once
// The only place where face buttons act: every key-down and key-up of the device ends here.
#include <cstdint>

#include "core/analyzer/press_log.h"
#include "core/records/recorded_run.h"

namespace tap {

class Device;

class Dispatcher {
public:
    explicit Dispatcher(Device& d) : d_(d) {}

    void Form_KeyDown(std::int16_t keyCode, int shift = 0);
    void Form_KeyUp(std::int16_t keyCode, int shift = 0);
    // A release of A or B during a run, stamped with the input's time: into the press log and the run's
    // record.
    void logRelease(PressKind kind);

private:
    enum class Button { B, A };
    void startPressed();
    void bPressed();
    void aPressed();
    void registerPress(Button b);
    void countPress(Button b);
    Device& d_;
    // Where the key-down being handled came from. Read when its press is counted, before any loop that
    // press starts lets other input in.
    InputSource source_;
};

}  // namespace tap
