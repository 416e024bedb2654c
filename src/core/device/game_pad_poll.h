#pragma once
// Game pads: press and release edges of the four assigned pad buttons act like their keys. The poll runs
// from a timer and from every pass of a mode loop; it applies the hold-flag rules edge by edge, in the
// order the pads reported them, so a press and a release between two polls both count.
#include <array>
#include <deque>
#include <string>

#include "core/millis.h"

namespace tap {

class Device;
struct PadReading;

// Diagnostic captions of the pad buttons: "PUSH" / "UP", and START's press count.
struct PadLabels {
    std::string Label12;  // SELECT
    std::string Label13;  // START
    std::string Label14;  // B
    std::string Label15;  // A
};

class GamePadPoll {
public:
    static constexpr int kJoysticks = 16;
    static constexpr int kButtons = 12;  // buttons 13 and up are never seen
    static constexpr int kPollMs = 25;
    // With no pad attached, how often the pads are checked for one being plugged in.
    static constexpr int kIdleCheckMs = 1000;

    explicit GamePadPoll(Device& d) : d_(d) {}

    // Start-up: finds the pads that are already plugged in.
    void probe();
    // Timer_GetGameControllerInfo tick, and every pass of a mode loop.
    void poll();
    // Brings the pads up to date: on every call while a pad is attached, at most once a second while none
    // is. True when they were brought up to date.
    bool refreshPads();
    bool attached() const;

    // The key setup dialog stops the poll while it is open; on the restart, what the pads did meanwhile
    // is dropped so that nothing pressed for the dialog reaches the device.
    void stop();
    void restart();

    const PadLabels& labels() const { return labels_; }

private:
    enum Which { Select = 0, Start = 1, B = 2, A = 3 };
    struct Step {
        int which;
        bool down;
        Millis at;
        int joystick;  // where the press comes from, for the run's record
    };
    int whichOf(int code) const;
    void take(int joystick, const PadReading& reading, Millis now);
    void releaseAll(int joystick, Millis now);
    void apply(const Step& step);
    void pressed(int which, Millis at);
    void released(int which, Millis at);
    void adaptTimer();

    Device& d_;
    // Steps not yet applied. A press may start a mode loop that polls again from inside; the inner poll
    // carries on with this queue, so no edge waits behind a loop and the order is kept.
    std::deque<Step> pending_;
    std::array<bool, kJoysticks> answered_{};
    Millis lastRefresh_{};
    bool refreshed_ = false;
    bool stopped_ = false;
    PadLabels labels_;
};

}  // namespace tap
